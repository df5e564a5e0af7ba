#include "containers/srec_writer.h"

#include "containers/hex_codec.h"
#include "containers/srec_format.h"

#include <cstring>

namespace k7r::containers {
namespace {

class CountingSink {
  public:
    void MakeRoom(std::size_t) {}
    void Put(std::uint8_t) { ++length_; }
    void PutHex(std::uint8_t) { length_ += 2; }
    void PutHex(const std::uint8_t*, std::size_t count) { length_ += 2 * count; }
    void PutBytes(const void*, std::size_t count) { length_ += count; }
    std::size_t length() const { return length_; }

  private:
    std::size_t length_ = 0;
};

// Gathers the text in a buffer and hands it on when it is full; a piece
// larger than the buffer goes on by itself.
class ChunkSink {
  public:
    explicit ChunkSink(const ByteSink& put) : put_(put), buffer_(kBufferSize) {}

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
        std::memcpy(buffer_.data() + used_, bytes, count);
        used_ += count;
    }

    // Hands on what is gathered; false once put refused anything.
    bool Flush() {
        if (used_ > 0) {
            HandOn({buffer_.data(), used_});
            used_ = 0;
        }
        return ok_;
    }

  private:
    static constexpr std::size_t kBufferSize = std::size_t{256} << 10;

    void HandOn(std::span<const std::uint8_t> piece) { ok_ = ok_ && put_(piece); }

    const ByteSink& put_;
    std::vector<std::uint8_t> buffer_;
    std::size_t used_ = 0;
    bool ok_ = true;
};

// The one place that decides what the text looks like, run once to measure
// it and once to write it, so that the two cannot disagree.
template <typename Sink>
void EmitText(const SrecImage& image, Sink& sink) {
    const std::uint8_t* payload = image.payload.data();
    for (const SrecLine& line : image.lines) {
        if (line.type == srec::kOtherLine) {
            sink.PutBytes(payload, line.count);
            payload += line.count;
            sink.PutBytes(image.terminator.data(), image.terminator.size());
            continue;
        }
        const srec::RecordType& type = *srec::FindRecordType(line.type);
        const auto count = static_cast<std::uint8_t>(line.count);
        const std::size_t dataLength = type.carriesData ? line.count - type.addressBytes - 1 : 0;
        for (std::uint64_t n = 0; n <= line.repeats; ++n) {
            const auto address = static_cast<std::uint32_t>(line.address + n * dataLength);
            sink.MakeRoom(4 + 2 * line.count);
            std::uint8_t sum = count;
            sink.Put('S');
            sink.Put(type.digit);
            sink.PutHex(count);
            for (int shift = 8 * (type.addressBytes - 1); shift >= 0; shift -= 8) {
                const auto byte = static_cast<std::uint8_t>(address >> shift);
                sum = static_cast<std::uint8_t>(sum + byte);
                sink.PutHex(byte);
            }
            for (std::size_t i = 0; i < dataLength; ++i) {
                sum = static_cast<std::uint8_t>(sum + payload[i]);
            }
            sink.PutHex(payload, dataLength);
            payload += dataLength;
            sink.PutHex(static_cast<std::uint8_t>(~sum));
            sink.PutBytes(image.terminator.data(), image.terminator.size());
        }
    }
}

} // namespace

std::size_t SrecTextLength(const SrecImage& image) {
    CountingSink sink;
    EmitText(image, sink);
    return sink.length();
}

bool WriteSrecText(const SrecImage& image, const ByteSink& put) {
    ChunkSink sink(put);
    EmitText(image, sink);
    return sink.Flush();
}

} // namespace k7r::containers
