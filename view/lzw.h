#pragma once

#include "view/byte_reader.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace k7r::view {

enum class LzwResult {
    Done,        // the end code was read and the data sub-blocks skipped
    EndOfData,   // the data ran out while a code was still needed
    InvalidData, // a code the table cannot resolve, or a bad code size
};

// The variable-length-code decoder of GIF image data: the minimum code size,
// then data sub-blocks (a length byte and that many bytes) up to an empty
// one, codes taken least significant bit first. Every decoded string is
// handed to the sink in order. Codes that are neither in the table nor the
// one entry about to be added are refused, so no string is ever longer than
// the table.
class LzwDecoder {
  public:
    using Sink = std::function<void(std::span<const std::uint8_t>)>;

    LzwResult Decode(ByteReader& data, const Sink& sink);

  private:
    static constexpr std::uint32_t kTableSize = 4096;
    static constexpr std::uint32_t kMaxCodeSize = 12;

    struct Entry {
        std::uint16_t prefix;
        std::uint8_t suffix;
        std::uint8_t first;
    };

    std::optional<std::uint32_t> ReadCode(ByteReader& data);
    void Reset();
    void Add(std::uint32_t previous, std::uint8_t suffix);
    std::span<const std::uint8_t> String(std::uint32_t code);

    std::array<Entry, kTableSize> table_{};
    std::array<std::uint8_t, kTableSize> string_{};
    std::uint32_t minimumSize_ = 0;
    std::uint32_t clear_ = 0;
    std::uint32_t codeSize_ = 0;
    std::uint32_t nextFree_ = 0;
    std::uint32_t growthLimit_ = 0;
    // Bits not yet used, and what is left of the current sub-block.
    std::uint32_t bitBuffer_ = 0;
    std::uint32_t bitCount_ = 0;
    std::uint32_t blockLeft_ = 0;
};

// Skips data sub-blocks up to and including the empty one; false at the end
// of the file.
bool SkipSubBlocks(ByteReader& data);

} // namespace k7r::view
