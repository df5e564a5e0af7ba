#include "view/bmp_rle.h"

#include "view/bmp_format.h"
#include "view/bmp_rows.h"
#include "view/messages.h"
#include "view/print.h"

#include <string>
#include <vector>

namespace k7r::view {

namespace {

// The pixels of one line segment as they are decoded, packed at the image's
// depth. 4-bit images are decoded pixel by pixel; other depths take the
// run-length codes byte-wise, a count of n standing for (n x bits + 4) / 8
// bytes. Nothing is appended beyond the segment's capacity.
class Segment {
  public:
    Segment(std::uint32_t bits, std::size_t capacity) : bits_(bits), capacity_(capacity) {}

    void AppendRun(std::uint32_t count, std::uint8_t value) {
        if (bits_ == 4) {
            for (std::uint32_t i = 0; i < count; ++i) {
                AppendNibble(i % 2 == 0 ? value >> 4 : value & 0x0F);
            }
        } else {
            for (std::uint32_t i = 0; i < ByteCount(count); ++i) {
                AppendByte(value);
            }
        }
    }

    void AppendLiteral(std::uint32_t count, std::span<const std::uint8_t> values) {
        if (bits_ == 4) {
            for (std::uint32_t i = 0; i < count && i / 2 < values.size(); ++i) {
                AppendNibble(i % 2 == 0 ? values[i / 2] >> 4 : values[i / 2] & 0x0F);
            }
        } else {
            for (std::uint32_t i = 0; i < ByteCount(count) && i < values.size(); ++i) {
                AppendByte(values[i]);
            }
        }
    }

    // How many file bytes a literal of count pixels takes, before padding.
    std::uint32_t LiteralBytes(std::uint32_t count) const {
        return bits_ == 4 ? (count + 1) / 2 : ByteCount(count);
    }

    std::span<const std::uint8_t> Bytes() const { return bytes_; }

    std::uint64_t Pixels() const {
        return bits_ == 4 ? nibbles_ : std::uint64_t{bytes_.size()} * 8 / bits_;
    }

    void Clear() {
        bytes_.clear();
        nibbles_ = 0;
    }

  private:
    std::uint32_t ByteCount(std::uint32_t count) const { return (count * bits_ + 4) / 8; }

    void AppendByte(std::uint8_t value) {
        if (bytes_.size() < capacity_) {
            bytes_.push_back(value);
        }
    }

    void AppendNibble(unsigned value) {
        if (nibbles_ % 2 == 1) {
            bytes_.back() = static_cast<std::uint8_t>(bytes_.back() | value);
            ++nibbles_;
        } else if (bytes_.size() < capacity_) {
            bytes_.push_back(static_cast<std::uint8_t>(value << 4));
            ++nibbles_;
        }
    }

    std::uint32_t bits_;
    std::size_t capacity_;
    std::vector<std::uint8_t> bytes_;
    std::uint64_t nibbles_ = 0;
};

} // namespace

// Line 0 is the bottom line of the image. A segment is drawn where it ends:
// at the end of its line, at a delta, or at the end of the bitmap, starting
// at its horizontal displacement and clipped to the image's width. Lines
// that would fall below the virtual display are decoded but not drawn.
int DrawRunLengthRows(BmpRows& rows) {
    const BmpHeader& header = rows.header;
    auto width = static_cast<std::uint32_t>(header.width);
    auto height = static_cast<std::uint32_t>(header.height);
    std::uint64_t room =
        rows.virtualHeight > rows.target.y ? rows.virtualHeight - rows.target.y : 0;
    std::uint64_t skippedLines = height > room ? height - room : 0;
    Segment segment(header.bitsPerPixel, std::size_t{width} * header.bitsPerPixel / 8 * 6 + 256);
    std::uint64_t line = 0;
    std::uint64_t displacement = 0;

    auto drawSegment = [&] {
        if (line < skippedLines || line >= height || displacement >= width) {
            return;
        }
        auto count = static_cast<std::uint32_t>(
            std::min<std::uint64_t>(segment.Pixels(), width - displacement));
        rows.target.display.PutRow(rows.converter.Convert(segment.Bytes()), count,
                                   static_cast<std::uint32_t>(rows.target.x + displacement),
                                   rows.target.y + height - 1 - line, rows.pitch, rows.pitch,
                                   rows.panelBpp);
    };

    ByteReader& data = rows.data;
    while (line < height) {
        auto count = data.Read8();
        auto value = data.Read8();
        if (!count || !value) {
            break;
        }
        if (*count > 0) {
            segment.AppendRun(*count, *value);
            continue;
        }
        if (*value == bmp::kEndOfLine) {
            drawSegment();
            segment.Clear();
            ++line;
            displacement = 0;
        } else if (*value == bmp::kEndOfBitmap) {
            drawSegment();
            return 0;
        } else if (*value == bmp::kDelta) {
            drawSegment();
            auto dx = data.Read8();
            auto dy = data.Read8();
            if (!dx || !dy) {
                break;
            }
            displacement += segment.Pixels() + *dx;
            line += *dy;
            segment.Clear();
        } else {
            std::uint32_t bytes = segment.LiteralBytes(*value);
            segment.AppendLiteral(*value, data.Take(bytes + bytes % 2));
        }
    }
    if (line >= height) {
        return 0;
    }
    drawSegment();
    Print(rows.target.out, viewer_text::kBitmapTruncated, std::string(rows.name).c_str());
    return 1;
}

} // namespace k7r::view
