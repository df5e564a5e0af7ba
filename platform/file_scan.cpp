#include "platform/file_scan.h"

#include "platform/cpu_time.h"

#include <algorithm>
#include <cstring>

namespace k7r::platform {
namespace {

// Files below this size are read: a view would save little copying.
constexpr std::uint64_t kViewMinimum = std::uint64_t{16} << 20;
// The first bytes of a file on which the two ways are measured.
constexpr std::size_t kProbeLength = std::size_t{2} << 20;
constexpr std::size_t kPageSize = 4096;
// How much of a view one piece covers; the pages behind a piece are let
// go of when the next is asked for.
constexpr std::size_t kViewPieceSize = std::size_t{32} << 20;

} // namespace

FileScan::FileScan(const File& file, std::uint64_t length, ScanBy by, std::size_t pieceSize,
                   std::uint64_t from)
    : file_(file), length_(length), position_(std::min(from, length)),
      buffer_(kScanKeepLimit +
              static_cast<std::size_t>(std::min<std::uint64_t>(pieceSize, length_ - position_))) {
    if (by == ScanBy::CheaperOfViewAndReading && position_ == 0 && length_ >= kViewMinimum) {
        ChooseView();
    }
}

// A fresh view costs mapping its pages in, a fault for each page or each
// large piece of the file where the system cannot map them at once,
// depending on the system and on how the file came into its cache; reading
// costs the copying. Which is cheaper for this file is measured on its
// first bytes, in processor time of this thread, so that other programs
// running meanwhile do not count.
void FileScan::ChooseView() {
    Result<FileMapping> view = FileMapping::MapReadOnly(file_, length_);
    if (!view) {
        return;
    }
    const std::span<const std::uint8_t> probe = view->bytes().first(kProbeLength);
    const std::uint64_t start = ThreadCpuTicks();
    BringIn(probe);
    std::uint8_t touched = 0;
    for (std::size_t at = 0; at < probe.size(); at += kPageSize) {
        touched |= static_cast<const volatile std::uint8_t&>(probe[at]);
    }
    // The buffer's pages are in memory already, so only copying counts.
    const std::uint64_t viewed = ThreadCpuTicks();
    const std::span<std::uint8_t> area = std::span(buffer_).subspan(kScanKeepLimit);
    for (std::uint64_t at = 0; at < probe.size(); at += area.size()) {
        if (!file_.ReadAt(at, area)) {
            return;
        }
    }
    const std::uint64_t read = ThreadCpuTicks();
    (void)touched;
    if (viewed - start <= read - viewed && view->Intact()) {
        view_ = std::move(*view);
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
