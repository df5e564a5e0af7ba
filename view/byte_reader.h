#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace k7r::view {

// A cursor over a file's bytes. Every read checks what is left, so a
// decoder can never read past the end of its file.
class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t> bytes, std::size_t position = 0)
        : bytes_(bytes), position_(position < bytes.size() ? position : bytes.size()) {}

    std::size_t Position() const { return position_; }
    std::size_t Remaining() const { return bytes_.size() - position_; }
    bool AtEnd() const { return position_ == bytes_.size(); }

    std::optional<std::uint8_t> Read8() {
        if (AtEnd()) {
            return std::nullopt;
        }
        return bytes_[position_++];
    }

    std::optional<std::uint16_t> Read16() {
        if (Remaining() < 2) {
            return std::nullopt;
        }
        auto value = static_cast<std::uint16_t>(bytes_[position_] | (bytes_[position_ + 1] << 8));
        position_ += 2;
        return value;
    }

    // Up to count bytes; fewer at the end of the file.
    std::span<const std::uint8_t> Take(std::size_t count) {
        std::size_t n = count < Remaining() ? count : Remaining();
        auto taken = bytes_.subspan(position_, n);
        position_ += n;
        return taken;
    }

    // False, and at the end, when fewer than count bytes are left.
    bool Skip(std::size_t count) { return Take(count).size() == count; }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_;
};

// Little-endian fields at a fixed offset of a header already known to be
// long enough.
inline std::uint16_t Le16(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

inline std::uint32_t Le32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return bytes[offset] | (bytes[offset + 1] << 8) | (bytes[offset + 2] << 16) |
           (std::uint32_t{bytes[offset + 3]} << 24);
}

} // namespace k7r::view
