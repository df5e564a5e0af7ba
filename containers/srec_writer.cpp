#include "containers/srec_writer.h"

#include "containers/srec_format.h"

#include <cstring>

namespace k7r {
namespace {

class CountingSink {
  public:
    void Put(std::uint8_t) { ++length_; }
    void PutHex(std::uint8_t) { length_ += 2; }
    void PutBytes(const void*, std::size_t count) { length_ += count; }
    std::size_t length() const { return length_; }

  private:
    std::size_t length_ = 0;
};

class TextSink {
  public:
    explicit TextSink(std::uint8_t* out) : out_(out) {}
    void Put(std::uint8_t c) { *out_++ = c; }
    void PutHex(std::uint8_t byte) {
        static constexpr char kDigits[] = "0123456789ABCDEF";
        *out_++ = kDigits[byte >> 4];
        *out_++ = kDigits[byte & 0x0F];
    }
    void PutBytes(const void* bytes, std::size_t count) {
        std::memcpy(out_, bytes, count);
        out_ += count;
    }

  private:
    std::uint8_t* out_;
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
        } else {
            const srec::RecordType& type = *srec::FindRecordType(line.type);
            const auto count = static_cast<std::uint8_t>(line.count);
            std::uint8_t sum = count;
            sink.Put('S');
            sink.Put(type.digit);
            sink.PutHex(count);
            for (int shift = 8 * (type.addressBytes - 1); shift >= 0; shift -= 8) {
                const auto byte = static_cast<std::uint8_t>(line.address >> shift);
                sum = static_cast<std::uint8_t>(sum + byte);
                sink.PutHex(byte);
            }
            if (type.carriesData) {
                const std::size_t dataLength = line.count - type.addressBytes - 1;
                for (std::size_t i = 0; i < dataLength; ++i) {
                    sum = static_cast<std::uint8_t>(sum + payload[i]);
                    sink.PutHex(payload[i]);
                }
                payload += dataLength;
            }
            sink.PutHex(static_cast<std::uint8_t>(~sum));
        }
        sink.PutBytes(image.terminator.data(), image.terminator.size());
    }
}

} // namespace

std::size_t SrecTextLength(const SrecImage& image) {
    CountingSink sink;
    EmitText(image, sink);
    return sink.length();
}

void WriteSrecText(const SrecImage& image, std::span<std::uint8_t> out) {
    TextSink sink(out.data());
    EmitText(image, sink);
}

} // namespace k7r
