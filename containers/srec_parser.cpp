#include "containers/srec_parser.h"

#include "containers/byte_scan.h"
#include "containers/hex_codec.h"
#include "containers/messages.h"

#include <algorithm>
#include <array>

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

// Counts the lines that start with "S", and whether one of them is a data
// record (S1, S2 or S3), over text that comes piece by piece; stops
// looking once there are enough.
class SrecLineCount {
  public:
    void Take(std::span<const std::uint8_t> bytes) {
        for (const std::uint8_t c : bytes) {
            if (Enough()) {
                return;
            }
            if (afterS_) {
                dataRecord_ = dataRecord_ || (c >= '1' && c <= '3');
                afterS_ = false;
            }
            if (lineStart_ && c == 'S') {
                ++sLines_;
                afterS_ = true;
            }
            lineStart_ = IsLineEnd(c);
        }
    }
    bool Enough() const { return sLines_ >= 3 && dataRecord_; }

  private:
    std::size_t sLines_ = 0;
    bool dataRecord_ = false;
    bool lineStart_ = true;
    bool afterS_ = false;
};

std::size_t FindLineEnd(std::span<const std::uint8_t> piece, std::size_t from) {
    while (from < piece.size() && !IsLineEnd(piece[from])) {
        ++from;
    }
    return from;
}

// Hex digits are written back in upper case: whether these are not
// already. Of the hex digits only 'a' to 'f' lie above 'F'.
bool HasLowerCase(std::span<const std::uint8_t> digits) {
    std::uint8_t highest = 0;
    for (const std::uint8_t c : digits) {
        highest = std::max(highest, c);
    }
    return highest > 'F';
}

} // namespace

bool IsSrecText(const ImageSource& data) {
    ImageScan scan(data);
    SrecLineCount lines;
    for (std::span<const std::uint8_t> piece; !(piece = scan.Next(0)).empty();) {
        if (!AllTextBytes(piece.data(), piece.size())) {
            return false;
        }
        lines.Take(piece);
    }
    return lines.Enough();
}

std::size_t SrecParser::Parse(std::span<const std::uint8_t> piece, bool last, SrecLines& lines) {
    std::size_t at = 0;
    while (at < piece.size() && !Failed()) {
        if (inOtherLine_) {
            const std::size_t end = FindLineEnd(piece, at);
            if (end > at) {
                lines.OtherText(piece.subspan(at, end - at));
                position_.payload += end - at;
                position_.text += end - at;
                at = end;
            }
            if (at < piece.size()) {
                EndLine(lines);
            }
            continue;
        }
        const std::uint8_t c = piece[at];
        if (IsLineEnd(c)) {
            // The first run of line ends becomes the file's terminator;
            // later ones only end lines.
            if (!terminatorKnown_) {
                terminator_.push_back(static_cast<char>(c));
            } else {
                gapIsTerminator_ = gapIsTerminator_ && gapLength_ < terminator_.size() &&
                                   terminator_[gapLength_] == static_cast<char>(c);
            }
            ++gapLength_;
            ++position_.text;
            ++at;
            continue;
        }
        // A record line is parsed whole: one that the piece cuts waits for
        // the next piece.
        const std::size_t left = piece.size() - at;
        if (c == 'S' && left < 2 && !last) {
            break;
        }
        const srec::RecordType* type =
            c == 'S' && left >= 2 ? srec::FindRecordType(piece[at + 1]) : nullptr;
        if (type != nullptr && !last &&
            (left < 4 || (HexPair(piece.data() + at + 2) <= 0xFF &&
                          left < 4 + 2 * std::size_t{HexPair(piece.data() + at + 2)}))) {
            break;
        }
        EndGap();
        if (!lines.LineStart(position_)) {
            stopped_ = true;
            return at;
        }
        if (type == nullptr) {
            inOtherLine_ = true;
            continue;
        }
        at = ParseRecord(piece, at, *type, lines);
    }
    if (last && at == piece.size() && !Failed()) {
        if (inOtherLine_) {
            EndLine(lines);
        }
        EndGap();
    }
    return at;
}

// Parses the record that starts with "S<type>" at `at`; returns the
// position behind its checksum. A line end or the end of the data where a
// hex digit belongs is a bad digit.
std::size_t SrecParser::ParseRecord(std::span<const std::uint8_t> piece, std::size_t at,
                                    const srec::RecordType& type, SrecLines& lines) {
    // S<type><count><address><data...><checksum>, count bytes after count.
    const std::size_t left = piece.size() - at;
    const unsigned count = left >= 4 ? HexPair(piece.data() + at + 2) : 0x100;
    const unsigned overhead = static_cast<unsigned>(type.addressBytes) + 1;
    // A record without data that claims some would lose it on rewrite.
    if (count > 0xFF || count < overhead || (!type.carriesData && count != overhead) ||
        left < 4 + 2 * std::size_t{count}) {
        failure_ = messages::kSrecCorrupted;
        return at;
    }
    const std::size_t length = 4 + 2 * std::size_t{count};
    const std::uint8_t* hex = piece.data() + at + 4;
    unsigned digits = 0; // every pair's value or'ed: above FFh after a bad digit
    unsigned sum = count;
    std::uint32_t address = 0;
    for (unsigned i = 0; i < overhead - 1; ++i, hex += 2) {
        const unsigned byte = HexPair(hex);
        digits |= byte;
        sum += byte;
        address = address << 8 | (byte & 0xFF);
    }
    std::array<std::uint8_t, 0xFF> data;
    const std::size_t dataLength = count - overhead;
    const bool dataDigits = DecodeHex(hex, dataLength, data.data());
    for (std::size_t i = 0; i < dataLength; ++i) {
        sum += data[i];
    }
    const unsigned checksum = HexPair(hex + 2 * dataLength);
    if (!dataDigits || (digits | checksum) > 0xFF || checksum != (~sum & 0xFF)) {
        failure_ = messages::kSrecCorrupted;
        return at;
    }
    if (HasLowerCase(piece.subspan(at + 2, length - 2))) {
        asRewritten_ = false;
    }
    lines.Record(type, count, address, std::span(data).first(dataLength));
    position_.payload += dataLength;
    position_.text += length;
    if (type.isDataRecord) {
        ++position_.dataRecords;
    }
    // The count field has 16 bits; longer files count in S6 lines, which
    // are kept as text, or in an S5 that holds the low 16 bits.
    if (type.digit == '5' && address != (position_.dataRecords & 0xFFFF)) {
        failure_ = messages::kSrecBadCount;
        return at;
    }
    EndLine(lines);
    return at + length;
}

void SrecParser::EndLine(SrecLines& lines) {
    lines.LineEnd();
    inOtherLine_ = false;
    lineEnded_ = true;
}

// Before the first line no line ends belong, and after each line exactly
// the terminator: anything else a rewrite would write differently.
void SrecParser::EndGap() {
    const bool definesTerminator = gapLength_ > 0 && !terminatorKnown_;
    terminatorKnown_ = terminatorKnown_ || definesTerminator;
    const bool isTerminator =
        gapLength_ > 0 &&
        (definesTerminator || (gapIsTerminator_ && gapLength_ == terminator_.size()));
    if (lineEnded_ != isTerminator) {
        asRewritten_ = false;
    }
    lineEnded_ = false;
    gapLength_ = 0;
    gapIsTerminator_ = true;
}

void SrecParser::ParseAll(const ImageSource& text, SrecLines& lines) {
    ImageScan scan(text, position_.text);
    std::size_t keep = 0;
    for (std::span<const std::uint8_t> piece; !(piece = scan.Next(keep)).empty();) {
        const std::size_t taken = Parse(piece, scan.AtEnd(), lines);
        if (Failed() || stopped_) {
            return;
        }
        keep = piece.size() - taken;
    }
}

} // namespace k7r::containers
