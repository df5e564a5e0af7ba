#include "containers/srec_parser.h"

#include "containers/byte_scan.h"
#include "containers/hex_codec.h"
#include "containers/messages.h"
#include "containers/srec_format.h"

#include <algorithm>

namespace k7r::containers {
namespace {

using srec::IsLineEnd;

bool IsTextByte(std::uint8_t c) {
    return (c >= 0x20 && c < 0x7F) || c == '\t' || IsLineEnd(c);
}

// Whether every byte is a text byte; looks at whole steps at a time and
// stops at the first that holds another.
K7R_SCAN_VERSIONS bool AllTextBytes(const std::uint8_t* bytes, std::size_t length) {
    std::size_t i = 0;
    for (; i + kScanStep <= length; i += kScanStep) {
        ByteBlock other{};
        for (std::size_t j = i; j < i + kScanStep; j += sizeof(ByteBlock)) {
            ByteBlock c;
            LoadBlock(c, bytes + j);
            // Printable characters are 20h to 7Eh: below 5Fh after taking 20h.
            other |= ~(((c - 0x20) < 0x5F) | (c == '\t') | (c == 0) | (c == '\n') | (c == '\r'));
        }
        if (AnySet(other)) {
            return false;
        }
    }
    for (; i < length; ++i) {
        if (!IsTextByte(bytes[i])) {
            return false;
        }
    }
    return true;
}

// Whether at least three lines start with "S", at least one of them a data
// record (S1, S2 or S3). Reads no further than it takes to know.
bool HasSrecLines(std::span<const std::uint8_t> data) {
    std::size_t sLines = 0;
    bool dataRecord = false;
    bool lineStart = true;
    for (std::size_t i = 0; i < data.size(); ++i) {
        const std::uint8_t c = data[i];
        if (lineStart && c == 'S') {
            ++sLines;
            dataRecord =
                dataRecord || (i + 1 < data.size() && data[i + 1] >= '1' && data[i + 1] <= '3');
            if (sLines >= 3 && dataRecord) {
                return true;
            }
        }
        lineStart = IsLineEnd(c);
    }
    return false;
}

// Adds a record line to the table, as one more of the run before it when
// it continues that run.
void AddRecordLine(SrecImage& image, const srec::RecordType& type, std::size_t count,
                   std::uint32_t address) {
    if (!image.lines.empty()) {
        SrecLine& last = image.lines.back();
        const std::uint64_t dataLength = type.carriesData ? count - type.addressBytes - 1 : 0;
        if (last.type == type.digit && last.count == count &&
            last.address + (std::uint64_t{last.repeats} + 1) * dataLength == address &&
            last.repeats < UINT32_MAX) {
            ++last.repeats;
            return;
        }
    }
    image.lines.push_back({.type = type.digit, .count = count, .address = address});
}

// Parses the record that starts with "S<type>" at position; returns the
// position behind its checksum, or 0 when the record is corrupt. A line end
// or the end of the data where a hex digit belongs is a bad digit.
std::size_t ParseRecord(std::span<const std::uint8_t> text, std::size_t position,
                        const srec::RecordType& type, SrecImage& image) {
    // S<type><count><address><data...><checksum>, count bytes after count.
    if (text.size() - position < 4) {
        return 0;
    }
    const unsigned count = HexPair(text.data() + position + 2);
    const unsigned overhead = static_cast<unsigned>(type.addressBytes) + 1;
    // A record without data that claims some would lose it on rewrite.
    if (count > 0xFF || count < overhead || (!type.carriesData && count != overhead)) {
        return 0;
    }
    const std::size_t end = position + 4 + 2 * std::size_t{count};
    if (end > text.size()) {
        return 0;
    }
    const std::uint8_t* hex = text.data() + position + 4;
    unsigned digits = 0; // every pair's value or'ed: above FFh after a bad digit
    unsigned sum = count;
    std::uint32_t address = 0;
    for (unsigned i = 0; i < overhead - 1; ++i, hex += 2) {
        const unsigned byte = HexPair(hex);
        digits |= byte;
        sum += byte;
        address = address << 8 | (byte & 0xFF);
    }
    const std::size_t dataLength = count - overhead;
    const std::size_t payloadEnd = image.payload.size();
    image.payload.resize(payloadEnd + dataLength);
    std::uint8_t* data = image.payload.data() + payloadEnd;
    const bool dataDigits = DecodeHex(hex, dataLength, data);
    for (std::size_t i = 0; i < dataLength; ++i) {
        sum += data[i];
    }
    const unsigned checksum = HexPair(hex + 2 * dataLength);
    if (!dataDigits || (digits | checksum) > 0xFF || checksum != (~sum & 0xFF)) {
        return 0;
    }
    AddRecordLine(image, type, count, address);
    return end;
}

} // namespace

bool IsSrecText(std::span<const std::uint8_t> data) {
    for (std::size_t window = 0; window < data.size(); window += kScanWindow) {
        const std::span<const std::uint8_t> bytes =
            data.subspan(window, std::min(kScanWindow, data.size() - window));
        if (!AllTextBytes(bytes.data(), bytes.size())) {
            return false;
        }
        platform::ReleaseScanned(bytes);
    }
    return HasSrecLines(data);
}

bool ParseSrecText(std::span<const std::uint8_t> text, SrecImage& image,
                   std::string_view& message) {
    // Data bytes take two characters each, and there is more to a line.
    image.payload.reserve(text.size() / 2);
    std::size_t dataRecords = 0;
    std::size_t position = 0;
    std::size_t released = 0;
    while (position < text.size()) {
        if (position - released >= kScanWindow) {
            platform::ReleaseScanned(text.subspan(released, position - released));
            released = position;
        }
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

} // namespace k7r::containers
