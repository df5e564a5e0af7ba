#include "containers/srec_writer.h"

#include "containers/hex_codec.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace k7r::containers {

// Gathers the text in a buffer and hands it on when it is full; a piece
// larger than the buffer goes on by itself.
class SrecRewriter::Sink {
  public:
    explicit Sink(const ByteSink& put) : put_(put), buffer_(kBufferSize) {}

    // Room for length bytes of Put and PutHex, which do not look.
    void MakeRoom(std::size_t length) {
        if (used_ + length > buffer_.size()) {
            Flush();
        }
    }
    void Put(std::uint8_t c) { buffer_[used_++] = c; }
    void PutHex(std::uint8_t byte) { PutHex(&byte, 1); }
    void PutHex(const std::uint8_t* bytes, std::size_t count) {
        EncodeHex(bytes, count, buffer_.data() + used_);
        used_ += 2 * count;
    }
    void PutBytes(const void* bytes, std::size_t count) {
        if (used_ + count > buffer_.size()) {
            Flush();
            if (count > buffer_.size()) {
                HandOn({static_cast<const std::uint8_t*>(bytes), count});
                return;
            }
        }
        if (count > 0) {
            std::memcpy(buffer_.data() + used_, bytes, count);
            used_ += count;
        }
    }

    bool Flush() {
        if (used_ > 0) {
            HandOn({buffer_.data(), used_});
            used_ = 0;
        }
        return ok_;
    }

    // How many bytes went in so far.
    std::uint64_t Written() const { return handedOn_ + used_; }

  private:
    static constexpr std::size_t kBufferSize = std::size_t{64} << 10;

    void HandOn(std::span<const std::uint8_t> piece) {
        handedOn_ += piece.size();
        ok_ = ok_ && put_(piece);
    }

    const ByteSink& put_;
    std::vector<std::uint8_t> buffer_;
    std::size_t used_ = 0;
    std::uint64_t handedOn_ = 0;
    bool ok_ = true;
};

SrecRewriter::SrecRewriter(std::string terminator, std::uint64_t recordOffset,
                           const HAL_STRUCT& record, std::uint64_t stopAt, const ByteSink& put)
    : terminator_(std::move(terminator)), recordOffset_(recordOffset), record_(record),
      stopAt_(stopAt), sink_(std::make_unique<Sink>(put)) {}

SrecRewriter::~SrecRewriter() = default;

SrecRewriter::Overlap SrecRewriter::RecordOverlap(std::size_t length) const {
    const std::uint64_t from = std::max(payload_, recordOffset_);
    const std::uint64_t to = std::min(payload_ + length, recordOffset_ + HAL_RECORD_SIZE);
    if (from >= to) {
        return {0, 0, 0};
    }
    return {static_cast<std::size_t>(from - recordOffset_),
            static_cast<std::size_t>(from - payload_), static_cast<std::size_t>(to - from)};
}

bool SrecRewriter::LineStart(const SrecPosition& position) {
    payload_ = position.payload;
    line_ = {position.text, sink_->Written()};
    return position.payload < stopAt_;
}

// Called before payload_ moves past the line's next length bytes.
void SrecRewriter::NotePayload(std::size_t length) {
    if (!recordLinesSeen_ && payload_ + length > recordOffset_) {
        recordLines_ = line_;
        recordLinesSeen_ = true;
    }
}

// S<type><count><address><data...><checksum>
void SrecRewriter::Record(const srec::RecordType& type, unsigned count, std::uint32_t address,
                          std::span<const std::uint8_t> data) {
    std::array<std::uint8_t, 0xFF> bytes;
    std::copy(data.begin(), data.end(), bytes.begin());
    const Overlap overlap = RecordOverlap(data.size());
    NotePayload(data.size());
    std::memcpy(bytes.data() + overlap.inBytes,
                reinterpret_cast<const std::uint8_t*>(&record_) + overlap.inRecord, overlap.length);
    payload_ += data.size();

    sink_->MakeRoom(4 + 2 * std::size_t{count});
    auto sum = static_cast<std::uint8_t>(count);
    sink_->Put('S');
    sink_->Put(static_cast<std::uint8_t>(type.digit));
    sink_->PutHex(static_cast<std::uint8_t>(count));
    for (int shift = 8 * (type.addressBytes - 1); shift >= 0; shift -= 8) {
        const auto byte = static_cast<std::uint8_t>(address >> shift);
        sum = static_cast<std::uint8_t>(sum + byte);
        sink_->PutHex(byte);
    }
    for (std::size_t i = 0; i < data.size(); ++i) {
        sum = static_cast<std::uint8_t>(sum + bytes[i]);
    }
    sink_->PutHex(bytes.data(), data.size());
    sink_->PutHex(static_cast<std::uint8_t>(~sum));
}

void SrecRewriter::OtherText(std::span<const std::uint8_t> characters) {
    const Overlap overlap = RecordOverlap(characters.size());
    if (overlap.length > 0 &&
        std::memcmp(characters.data() + overlap.inBytes,
                    reinterpret_cast<const std::uint8_t*>(&record_) + overlap.inRecord,
                    overlap.length) != 0) {
        changesOtherLines_ = true;
    }
    NotePayload(characters.size());
    payload_ += characters.size();
    sink_->PutBytes(characters.data(), characters.size());
}

void SrecRewriter::LineEnd() {
    sink_->PutBytes(terminator_.data(), terminator_.size());
}

bool SrecRewriter::Finish() {
    return sink_->Flush();
}

} // namespace k7r::containers
