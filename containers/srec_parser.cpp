#include "containers/srec_parser.h"

#include "containers/messages.h"
#include "containers/srec_format.h"

#include <array>

namespace k7r {
namespace {

using srec::IsLineEnd;

constexpr std::array<std::int8_t, 256> kHexValue = [] {
    std::array<std::int8_t, 256> table{};
    table.fill(-1);
    for (int i = 0; i < 10; ++i) {
        table['0' + i] = static_cast<std::int8_t>(i);
    }
    for (int i = 0; i < 6; ++i) {
        table['A' + i] = static_cast<std::int8_t>(10 + i);
        table['a' + i] = static_cast<std::int8_t>(10 + i);
    }
    return table;
}();

bool IsTextByte(std::uint8_t c) {
    return (c >= 0x20 && c < 0x7F) || c == '\t' || IsLineEnd(c);
}

// Reads the hex byte pairs of one record line. A line end or the end of the
// data is not a hex digit, so a record cut short fails like a bad digit.
class HexCursor {
  public:
    HexCursor(std::span<const std::uint8_t> text, std::size_t position)
        : text_(text), position_(position) {}

    bool Read(std::uint8_t& value) {
        if (text_.size() - position_ < 2) {
            return false;
        }
        const int high = kHexValue[text_[position_]];
        const int low = kHexValue[text_[position_ + 1]];
        if (high < 0 || low < 0) {
            return false;
        }
        value = static_cast<std::uint8_t>(high << 4 | low);
        position_ += 2;
        return true;
    }

    std::size_t position() const { return position_; }

  private:
    std::span<const std::uint8_t> text_;
    std::size_t position_;
};

// Parses the record that starts with "S<type>" at position; returns the
// position behind its checksum, or 0 when the record is corrupt.
std::size_t ParseRecord(std::span<const std::uint8_t> text, std::size_t position,
                        const srec::RecordType& type, SrecImage& image) {
    HexCursor cursor(text, position + 2);
    std::uint8_t count = 0;
    if (!cursor.Read(count)) {
        return 0;
    }
    const int overhead = type.addressBytes + 1;
    // A record without data that claims some would lose it on rewrite.
    if (count < overhead || (!type.carriesData && count != overhead)) {
        return 0;
    }
    std::uint8_t sum = count;
    std::uint32_t address = 0;
    for (int i = 0; i < type.addressBytes; ++i) {
        std::uint8_t byte = 0;
        if (!cursor.Read(byte)) {
            return 0;
        }
        address = address << 8 | byte;
        sum = static_cast<std::uint8_t>(sum + byte);
    }
    const std::size_t dataLength = count - overhead;
    const std::size_t payloadEnd = image.payload.size();
    image.payload.resize(payloadEnd + dataLength);
    for (std::size_t i = 0; i < dataLength; ++i) {
        std::uint8_t& byte = image.payload[payloadEnd + i];
        if (!cursor.Read(byte)) {
            return 0;
        }
        sum = static_cast<std::uint8_t>(sum + byte);
    }
    std::uint8_t checksum = 0;
    if (!cursor.Read(checksum) || checksum != static_cast<std::uint8_t>(~sum)) {
        return 0;
    }
    image.lines.push_back({.type = type.digit, .count = count, .address = address});
    return cursor.position();
}

} // namespace

bool IsSrecText(std::span<const std::uint8_t> data) {
    std::size_t sLines = 0;
    std::size_t dataRecords = 0;
    bool lineStart = true;
    for (std::size_t i = 0; i < data.size(); ++i) {
        const std::uint8_t c = data[i];
        if (!IsTextByte(c)) {
            return false;
        }
        if (lineStart && c == 'S') {
            ++sLines;
            if (i + 1 < data.size() && data[i + 1] >= '1' && data[i + 1] <= '3') {
                ++dataRecords;
            }
        }
        lineStart = IsLineEnd(c);
    }
    return dataRecords >= 1 && sLines >= 3;
}

bool ParseSrecText(std::span<const std::uint8_t> text, SrecImage& image,
                   std::string_view& message) {
    std::size_t dataRecords = 0;
    std::size_t position = 0;
    while (position < text.size()) {
        const std::uint8_t c = text[position];
        if (IsLineEnd(c)) {
            // The first line end, with any blank lines right behind it,
            // becomes the file's terminator; later ones only end lines.
            if (image.terminator.empty()) {
                const std::size_t start = position;
                while (position < text.size() && IsLineEnd(text[position])) {
                    ++position;
                }
                image.terminator.assign(text.begin() + start, text.begin() + position);
            } else {
                ++position;
            }
            continue;
        }
        const srec::RecordType* type = c == 'S' && position + 1 < text.size()
                                           ? srec::FindRecordType(text[position + 1])
                                           : nullptr;
        if (type == nullptr) {
            const std::size_t start = position;
            while (position < text.size() && !IsLineEnd(text[position])) {
                ++position;
            }
            image.payload.insert(image.payload.end(), text.begin() + start,
                                 text.begin() + position);
            image.lines.push_back(
                {.type = srec::kOtherLine, .count = position - start, .address = 0});
            continue;
        }
        position = ParseRecord(text, position, *type, image);
        if (position == 0) {
            message = messages::kSrecCorrupted;
            return false;
        }
        if (type->isDataRecord) {
            ++dataRecords;
        }
        // The count field has 16 bits; longer files count in S6 lines,
        // which are kept as text, or in an S5 that holds the low 16 bits.
        if (type->digit == '5' && image.lines.back().address != (dataRecords & 0xFFFF)) {
            message = messages::kSrecBadCount;
            return false;
        }
    }
    return true;
}

} // namespace k7r
