#pragma once

#include "platform/file.h"
#include "platform/file_mapping.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace k7r::platform {

// What a scan reads into its buffer at a time: small enough to stay in the
// processor's cache while it is looked at, large enough that the calls
// cost little beside the copying.
inline constexpr std::size_t kScanPieceSize = std::size_t{64} << 10;

// The most bytes of one piece that a reader may ask to see again at the
// front of the next: a record, or a line of text, that the piece cut.
inline constexpr std::size_t kScanKeepLimit = 1024;

// How a scan may reach a file's bytes.
enum class ScanBy {
    // Copying them into the buffer: for a reader that works at length on
    // each byte (a parser), beside which copying costs little and faults
    // would only add.
    Reading,
    // Through a view, for a large file: for a reader that only glances at
    // each byte (a search), beside which the copying would be most of the
    // work.
    Viewing,
};

// A file read once from its start to a given length, a piece at a time.
//
// The pieces come through a buffer that is reused, so that a large file
// costs the same few pages of memory whatever its size: on hosts where
// each page the program touches first costs a trap out of a virtual
// machine, a scan through a fresh view of the file would pay that for every
// few pages of it. A large file may instead be searched through a view
// whose pages are mapped in a large piece at a time, letting go of what it
// has passed.
class FileScan {
  public:
    // From offset `from` on; only a scan from the start may go through a
    // view.
    FileScan(const File& file, std::uint64_t length, ScanBy by,
             std::size_t pieceSize = kScanPieceSize, std::uint64_t from = 0);
    FileScan(const FileScan&) = delete;
    FileScan& operator=(const FileScan&) = delete;

    // The last keep bytes of the piece before (keep <= kScanKeepLimit),
    // then more of the file; empty once the length is read, or when
    // reading failed (Failure says why).
    std::span<const std::uint8_t> Next(std::size_t keep);

    // Whether every byte up to the length has been handed out.
    bool AtEnd() const { return position_ == length_ || failure_.has_value(); }

    // Why the scan ended early: a read error, or the file shorter than its
    // length (Refusal::ChangedWhileRead).
    std::optional<SystemError> Failure() const;

  private:
    std::span<const std::uint8_t> NextInView(std::size_t keep);
    std::span<const std::uint8_t> NextRead(std::size_t keep);

    const File& file_;
    std::uint64_t length_;
    // File offset of the end of the last piece.
    std::uint64_t position_;
    std::span<const std::uint8_t> piece_;
    std::vector<std::uint8_t> buffer_;
    std::optional<FileMapping> view_;
    // Where the view has been let go of, up to.
    std::uint64_t released_ = 0;
    std::optional<SystemError> failure_;
};

} // namespace k7r::platform
