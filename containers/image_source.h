#pragma once

// The bytes of a file as the container kinds read them: from start to end
// a piece at a time, or a few at a chosen offset. A file is never held in
// memory as a whole; bytes already in memory (a decoded section, a test's
// data) are read the same way.
#include "platform/file.h"
#include "platform/file_scan.h"
#include "platform/system_error.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>

namespace k7r::containers {

class ImageSource {
  public:
    // Bytes in memory, handed out pieceSize at a time (tests make it small
    // to cut records and lines at every offset).
    explicit ImageSource(std::span<const std::uint8_t> bytes,
                         std::size_t pieceSize = std::numeric_limits<std::size_t>::max());
    // The first size bytes of an open file.
    ImageSource(const platform::File& file, std::uint64_t size,
                std::size_t pieceSize = platform::kScanPieceSize);

    std::uint64_t size() const { return size_; }

    // Reads bytes.size() bytes at offset; false when the image has fewer
    // there or the file could not be read (Failure says why).
    bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> bytes) const;

    // The file this image reads, if it is one: a rewrite copies from it.
    const platform::File* file() const { return file_; }

    // Why reading the file failed, if it did: a read error, or a file that
    // another program shortened meanwhile. What the kinds made of the
    // bytes they read is then of no use.
    std::optional<platform::SystemError> Failure() const { return failure_; }

  private:
    friend class ImageScan;

    std::span<const std::uint8_t> bytes_;
    const platform::File* file_ = nullptr;
    std::uint64_t size_;
    std::size_t pieceSize_;
    mutable std::optional<platform::SystemError> failure_;
};

// One reading of an image from an offset (its start) to its end; a search
// from the start may read a file through a view (see platform::FileScan).
class ImageScan {
  public:
    explicit ImageScan(const ImageSource& image, std::uint64_t from = 0,
                       platform::ScanBy by = platform::ScanBy::Reading);
    ~ImageScan();
    ImageScan(const ImageScan&) = delete;
    ImageScan& operator=(const ImageScan&) = delete;

    // The last keep bytes of the piece before (at most
    // platform::kScanKeepLimit), then more of the image; empty at its end.
    std::span<const std::uint8_t> Next(std::size_t keep);
    // Whether the last piece handed out ends the image.
    bool AtEnd() const;

  private:
    const ImageSource& image_;
    std::optional<platform::FileScan> file_;
    std::uint64_t position_;
    std::uint64_t lastPiece_ = 0;
};

} // namespace k7r::containers
