#pragma once

#include "platform/file.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace k7r::platform {

// A view of a file's first bytes in memory, unmapped on destruction.
class FileMapping {
  public:
    static Result<FileMapping> MapReadOnly(File& file, std::uint64_t length);
    // A file shorter than length grows to it (with zero bytes) for as long as
    // the caller wants; it sets the file's final length itself afterwards.
    static Result<FileMapping> MapWritable(File& file, std::uint64_t length);

    FileMapping(FileMapping&& other) noexcept;
    FileMapping& operator=(FileMapping&& other) noexcept;
    ~FileMapping();

    std::span<std::uint8_t> bytes() { return {address_, length_}; }
    std::span<const std::uint8_t> bytes() const { return {address_, length_}; }

  private:
    FileMapping(std::uint8_t* address, std::size_t length, NativeHandle section)
        : address_(address), length_(length), section_(section) {}
    void Unmap();

    std::uint8_t* address_;
    std::size_t length_;
    // The Windows file-mapping object behind the view; unused on POSIX.
    NativeHandle section_;
};

} // namespace k7r::platform
