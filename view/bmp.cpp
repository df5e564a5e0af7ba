#include "view/bmp.h"

#include "view/bmp_format.h"
#include "view/bmp_rle.h"
#include "view/bmp_rows.h"
#include "view/messages.h"
#include "view/print.h"

#include <algorithm>
#include <string>

namespace k7r::view {

namespace {

bool DrawableDepth(std::uint32_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool DrawableSize(std::int32_t size) {
    return size > 0 && size <= bmp::kMaxDimension;
}

std::size_t PaletteEntries(const BmpHeader& header) {
    if (header.bitsPerPixel > 8) {
        return 0;
    }
    std::size_t entries = std::size_t{1} << header.bitsPerPixel;
    if (header.coloursUsed > 0 && header.coloursUsed < entries) {
        return header.coloursUsed;
    }
    return entries;
}

// The lookup table: the image's own colours where the panel can show them
// all, else a fixed palette that the pixels are matched against.
void LoadLookupTable(Display& display, std::uint32_t panelBpp, std::uint32_t imageBits,
                     const Palette& file, Palette& lookup) {
    if (panelBpp == 4) {
        lookup = imageBits <= 4 ? file : FixedPalette16();
        std::fill(lookup.begin() + 16, lookup.end(), Rgb{});
        display.WriteLut(lookup, 16);
    } else if (panelBpp == 8) {
        lookup = imageBits <= 8 ? file : DeepColourPalette();
        display.WriteLut(lookup, 256);
    }
}

} // namespace

std::optional<BmpHeader> ReadBmpHeader(std::span<const std::uint8_t> file, std::string_view name,
                                       std::ostream& out) {
    std::string path(name);
    if (file.size() < bmp::kFileHeaderSize + bmp::kInfoHeaderSize || file[0] != 'B' ||
        file[1] != 'M') {
        Print(out, viewer_text::kNotBitmap, path.c_str());
        return std::nullopt;
    }
    auto info = file.subspan(bmp::kFileHeaderSize);
    BmpHeader header{
        .width = static_cast<std::int32_t>(Le32(info, bmp::kWidth)),
        .height = static_cast<std::int32_t>(Le32(info, bmp::kHeight)),
        .bitsPerPixel = Le16(info, bmp::kBitCount),
        .compression = Le32(info, bmp::kCompression),
        .infoSize = Le32(info, bmp::kInfoSize),
        .dataOffset = Le32(file, bmp::kDataOffset),
        .coloursUsed = Le32(info, bmp::kColoursUsed),
    };
    if (header.infoSize < bmp::kInfoHeaderSize || !DrawableSize(header.width) ||
        !DrawableSize(header.height) || !DrawableDepth(header.bitsPerPixel)) {
        Print(out, viewer_text::kNotBitmap, path.c_str());
        return std::nullopt;
    }
    return header;
}

int DrawBmp(DrawTarget target, std::span<const std::uint8_t> file, std::string_view name) {
    std::optional<BmpHeader> header = ReadBmpHeader(file, name, target.out);
    if (!header) {
        return 1;
    }
    Display& display = target.display;
    std::uint32_t panelBpp = display.GetBitsPerPixel();
    std::uint32_t pitch = display.GetStride() * 8 / panelBpp;
    std::uint32_t virtualHeight =
        std::max(static_cast<std::uint32_t>(header->height), display.GetPanelHeight());
    Print(target.out, viewer_text::kBmpSize, header->height, header->width);
    Print(target.out, viewer_text::kVirtualSize, pitch, virtualHeight, panelBpp);

    // The colour table follows the information header, whatever its size;
    // it may hold fewer than 2^bits entries. The size comes from the file:
    // added in 64 bits, a huge one cannot wrap around to the file's start
    // where size_t has 32.
    const std::uint64_t tableAt = std::uint64_t{bmp::kFileHeaderSize} + header->infoSize;
    ByteReader reader(file,
                      static_cast<std::size_t>(std::min<std::uint64_t>(tableAt, file.size())));
    Palette filePalette{};
    std::size_t entries = PaletteEntries(*header);
    for (std::size_t i = 0; i < entries; ++i) {
        auto bgrx = reader.Take(4);
        if (bgrx.size() < 4) {
            Print(target.out, viewer_text::kBitmapTruncated, std::string(name).c_str());
            return 1;
        }
        filePalette[i] = {bgrx[2], bgrx[1], bgrx[0]};
    }
    Palette lookup{};
    LoadLookupTable(display, panelBpp, header->bitsPerPixel, filePalette, lookup);

    // The pixel rows start where the file header says, when that lies
    // beyond the colour table; some writers leave a gap.
    std::size_t rowsAt = reader.Position();
    if (header->dataOffset > rowsAt && header->dataOffset < file.size()) {
        rowsAt = header->dataOffset;
    }
    RowConverter converter(header->bitsPerPixel, panelBpp, lookup, filePalette, ChannelOrder::Bgr);
    BmpRows rows{
        .target = target,
        .header = *header,
        .name = name,
        .data = ByteReader(file, rowsAt),
        .converter = converter,
        .panelBpp = panelBpp,
        .pitch = pitch,
        .virtualHeight = virtualHeight,
    };
    return header->compression == 0 ? DrawUncompressedRows(rows) : DrawRunLengthRows(rows);
}

} // namespace k7r::view
