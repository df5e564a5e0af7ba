#pragma once

#include "platform/file.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace k7r::platform {

// A read-only view of a file's first bytes in memory, unmapped on
// destruction. Its pages are read in as they are first touched, with the
// system reading ahead of a scan.
//
// Another program may shorten the file under the view, or, on a full
// memory file system, leave a hole that no page can back; on POSIX that
// would end the reader with SIGBUS. Such pages read as zeros instead and
// the view is no longer intact: the caller drops what it read.
class FileMapping {
  public:
    static Result<FileMapping> MapReadOnly(const File& file, std::uint64_t length);

    FileMapping(FileMapping&& other) noexcept;
    FileMapping& operator=(FileMapping&& other) noexcept;
    ~FileMapping();

    std::span<const std::uint8_t> bytes() const { return {address_, length_}; }

    // Whether every byte read so far came from the file.
    bool Intact() const;

  private:
    FileMapping(const std::uint8_t* address, std::size_t length, NativeHandle section)
        : address_(address), length_(length), section_(section) {}
    void Unmap();

    const std::uint8_t* address_;
    std::size_t length_;
    // The Windows file-mapping object behind the view; on POSIX the slot
    // that guards the view, or -1.
    NativeHandle section_;
};

// Maps the pages of these bytes of a view in at once, as a scan's first
// reads would one fault at a time: the scan then takes no faults (on a
// virtual machine a fault may leave the guest). Advice only.
void BringIn(std::span<const std::uint8_t> bytes);

// Tells the system that a scan has gone past these bytes: where they lie in
// a view of a file, their pages leave the program's resident memory (the
// system's file cache keeps them, and a later read maps them again), so that
// scanning a large file never holds all of it. Other memory keeps its
// content, so a scan may say this of whatever it scans.
void ReleaseScanned(std::span<const std::uint8_t> bytes);

} // namespace k7r::platform
