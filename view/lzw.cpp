#include "view/lzw.h"

namespace k7r::view {

namespace {

constexpr std::uint16_t kNoPrefix = 0xFFFF;
// No previous code: at the start and after a clear code.
constexpr std::uint32_t kNoCode = 0xFFFFFFFF;

} // namespace

bool SkipSubBlocks(ByteReader& data) {
    for (;;) {
        auto length = data.Read8();
        if (!length) {
            return false;
        }
        if (*length == 0) {
            return true;
        }
        if (!data.Skip(*length)) {
            return false;
        }
    }
}

void LzwDecoder::Reset() {
    codeSize_ = minimumSize_ + 1;
    nextFree_ = clear_ + 2;
    growthLimit_ = 2 * clear_;
}

std::optional<std::uint32_t> LzwDecoder::ReadCode(ByteReader& data) {
    while (bitCount_ < codeSize_) {
        if (blockLeft_ == 0) {
            auto length = data.Read8();
            if (!length || *length == 0) {
                return std::nullopt;
            }
            blockLeft_ = *length;
        }
        auto byte = data.Read8();
        if (!byte) {
            return std::nullopt;
        }
        --blockLeft_;
        bitBuffer_ |= std::uint32_t{*byte} << bitCount_;
        bitCount_ += 8;
    }
    std::uint32_t code = bitBuffer_ & ((1u << codeSize_) - 1);
    bitBuffer_ >>= codeSize_;
    bitCount_ -= codeSize_;
    return code;
}

void LzwDecoder::Add(std::uint32_t previous, std::uint8_t suffix) {
    if (nextFree_ >= kTableSize) {
        return;
    }
    table_[nextFree_] = {static_cast<std::uint16_t>(previous), suffix, table_[previous].first};
    ++nextFree_;
    if (nextFree_ == growthLimit_ && codeSize_ < kMaxCodeSize) {
        ++codeSize_;
        growthLimit_ *= 2;
    }
}

// Walks from the last byte through the prefix links. Every entry's prefix
// is an older entry, so the walk ends within the table's size.
std::span<const std::uint8_t> LzwDecoder::String(std::uint32_t code) {
    std::size_t start = string_.size();
    for (std::uint32_t c = code; c != kNoPrefix && start > 0; c = table_[c].prefix) {
        string_[--start] = table_[c].suffix;
    }
    return std::span<const std::uint8_t>(string_).subspan(start);
}

LzwResult LzwDecoder::Decode(ByteReader& data, const Sink& sink) {
    auto minimumSize = data.Read8();
    if (!minimumSize) {
        return LzwResult::EndOfData;
    }
    // Codes grow to 12 bits, so the roots and the two control codes must
    // leave room below 4096.
    if (*minimumSize < 1 || *minimumSize > 11) {
        return LzwResult::InvalidData;
    }
    minimumSize_ = *minimumSize;
    clear_ = 1u << minimumSize_;
    const std::uint32_t end = clear_ + 1;
    for (std::uint32_t i = 0; i < clear_; ++i) {
        table_[i] = {kNoPrefix, static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i)};
    }
    bitBuffer_ = 0;
    bitCount_ = 0;
    blockLeft_ = 0;
    Reset();
    std::uint32_t previous = kNoCode;
    for (;;) {
        auto code = ReadCode(data);
        if (!code) {
            return LzwResult::EndOfData;
        }
        if (*code == clear_) {
            Reset();
            previous = kNoCode;
            continue;
        }
        if (*code == end) {
            data.Skip(blockLeft_);
            return SkipSubBlocks(data) ? LzwResult::Done : LzwResult::EndOfData;
        }
        bool defined = *code < clear_ || (*code > end && *code < nextFree_);
        if (!defined && !(previous != kNoCode && *code == nextFree_ && nextFree_ < kTableSize)) {
            return LzwResult::InvalidData;
        }
        if (previous != kNoCode) {
            // A code not yet defined is the previous string plus its own
            // first byte (which is then the previous string's first byte).
            Add(previous, defined ? table_[*code].first : table_[previous].first);
        }
        sink(String(*code));
        previous = *code;
    }
}

} // namespace k7r::view
