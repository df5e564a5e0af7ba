#include "containers/image_source.h"

#include <algorithm>
#include <cstring>

namespace k7r::containers {

ImageSource::ImageSource(std::span<const std::uint8_t> bytes, std::size_t pieceSize)
    : bytes_(bytes), size_(bytes.size()), pieceSize_(pieceSize) {}

ImageSource::ImageSource(const platform::File& file, std::uint64_t size, std::size_t pieceSize)
    : file_(&file), size_(size), pieceSize_(pieceSize) {}

bool ImageSource::ReadAt(std::uint64_t offset, std::span<std::uint8_t> bytes) const {
    if (offset > size_ || bytes.size() > size_ - offset) {
        return false;
    }
    if (file_ == nullptr) {
        if (!bytes.empty()) {
            std::memcpy(bytes.data(), bytes_.data() + offset, bytes.size());
        }
        return true;
    }
    const platform::Result<std::size_t> got = file_->ReadAt(offset, bytes);
    if (!got || *got != bytes.size()) {
        failure_ = got ? platform::SystemError{.refusal = platform::Refusal::ChangedWhileRead}
                       : got.error();
        return false;
    }
    return true;
}

ImageScan::ImageScan(const ImageSource& image, std::uint64_t from, platform::ScanBy by)
    : image_(image), position_(std::min(from, image.size_)) {
    if (image.file_ != nullptr) {
        file_.emplace(*image.file_, image.size_, by, image.pieceSize_, position_);
    }
}

ImageScan::~ImageScan() {
    if (file_ && file_->Failure() && !image_.failure_) {
        image_.failure_ = file_->Failure();
    }
}

std::span<const std::uint8_t> ImageScan::Next(std::size_t keep) {
    if (file_) {
        const std::span<const std::uint8_t> piece = file_->Next(keep);
        if (piece.empty() && file_->Failure() && !image_.failure_) {
            image_.failure_ = file_->Failure();
        }
        return piece;
    }
    if (position_ == image_.size_) {
        return {};
    }
    const std::uint64_t start =
        position_ - std::min<std::uint64_t>({keep, platform::kScanKeepLimit, lastPiece_});
    position_ += std::min<std::uint64_t>(image_.pieceSize_, image_.size_ - position_);
    lastPiece_ = position_ - start;
    return image_.bytes_.subspan(static_cast<std::size_t>(start),
                                 static_cast<std::size_t>(lastPiece_));
}

bool ImageScan::AtEnd() const {
    return file_ ? file_->AtEnd() : position_ == image_.size_;
}

} // namespace k7r::containers
