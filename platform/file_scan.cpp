#include "platform/file_scan.h"

#include <algorithm>
#include <cstring>

namespace k7r::platform {
namespace {

// Files below this size are read: a view would save little copying.
constexpr std::uint64_t kViewMinimum = std::uint64_t{16} << 20;
// How much of a view one piece covers; the pages behind a piece are let
// go of when the next is asked for.
constexpr std::size_t kViewPieceSize = std::size_t{32} << 20;

} // namespace

FileScan::FileScan(const File& file, std::uint64_t length, ScanBy by, std::size_t pieceSize,
                   std::uint64_t from)
    : file_(file), length_(length), position_(std::min(from, length)),
      buffer_(kScanKeepLimit +
              static_cast<std::size_t>(std::min<std::uint64_t>(pieceSize, length_ - position_))) {
    if (by == ScanBy::Viewing && position_ == 0 && length_ >= kViewMinimum) {
        if (Result<FileMapping> view = FileMapping::MapReadOnly(file_, length_)) {
            view_ = std::move(*view);
        }
    }
}

std::span<const std::uint8_t> FileScan::Next(std::size_t keep) {
    keep = std::min({keep, kScanKeepLimit, piece_.size()});
    if (AtEnd()) {
        return {};
    }
    piece_ = view_ ? NextInView(keep) : NextRead(keep);
    return piece_;
}

std::span<const std::uint8_t> FileScan::NextInView(std::size_t keep) {
    const std::uint64_t start = position_ - keep;
    if (start > released_) {
        ReleaseScanned(view_->bytes().subspan(static_cast<std::size_t>(released_),
                                              static_cast<std::size_t>(start - released_)));
        released_ = start;
    }
    const std::uint64_t end = std::min<std::uint64_t>(position_ + kViewPieceSize, length_);
    BringIn(view_->bytes().subspan(static_cast<std::size_t>(position_),
                                   static_cast<std::size_t>(end - position_)));
    position_ = end;
    return view_->bytes().subspan(static_cast<std::size_t>(start),
                                  static_cast<std::size_t>(position_ - start));
}

// The kept bytes go just before the buffer's reading area, so that the
// piece is one run of bytes.
std::span<const std::uint8_t> FileScan::NextRead(std::size_t keep) {
    std::uint8_t* area = buffer_.data() + kScanKeepLimit;
    if (keep > 0) {
        std::memmove(area - keep, piece_.data() + piece_.size() - keep, keep);
    }
    const auto want = static_cast<std::size_t>(
        std::min<std::uint64_t>(buffer_.size() - kScanKeepLimit, length_ - position_));
    const Result<std::size_t> got = file_.ReadAt(position_, {area, want});
    if (!got) {
        failure_ = got.error();
        return {};
    }
    if (*got != want) {
        failure_ = SystemError{.refusal = Refusal::ChangedWhileRead};
        return {};
    }
    position_ += want;
    return {area - keep, keep + want};
}

std::optional<SystemError> FileScan::Failure() const {
    if (view_ && !view_->Intact()) {
        return SystemError{.refusal = Refusal::ChangedWhileRead};
    }
    return failure_;
}

} // namespace k7r::platform
