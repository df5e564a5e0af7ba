#include "emu/panel_picture.h"

#include "hal/chip_registers.h"

#include <vector>

namespace k7r::emu {
namespace {

// The scan model. Display memory is a row of pixels of bpp bits, the first
// pixel of a byte in its high bits, 16-bit pixels little-endian. The main
// window starts at pixel S = REG[40h] words and its lines are L pixels apart
// (REG[44h] words). The panel is scanned in its own orientation, PW x PH
// pixels, halved by pixel doubling to an effective EW x EH; an effective
// panel pixel (ex, ey) reads pixel
//     0 degrees    S + ey L + ex
//     90 degrees   S + (EH - 1) mod w + ex L - ey
//     180 degrees  S + (EW - 1) mod w - ex - ey L
//     270 degrees  S - ex L + ey
// where w is the number of pixels in a 32-bit word: at 90 and 180 degrees
// the start address names the word that holds the last pixel of a line, and
// the controller knows from the panel size where in that word it is. The
// picture then turns the panel by the SwivelView angle clockwise, as it is
// mounted, so that an image laid out for that angle shows upright.
struct Scan {
    std::uint32_t bitsPerPixel;
    std::uint32_t swivel; // 0 to 3 quarter turns
    std::uint32_t panelWidth, panelHeight;
    // Pixel doubling: 1 to halve, 0 for none.
    std::uint32_t horizontalHalving, verticalHalving;
    std::int64_t start, line;
    std::int64_t memoryPixels;
    // The start plus, at 90 and 180 degrees, the place in its word of the
    // last pixel of a line: the same for every pixel of the picture.
    std::int64_t origin;
};

Scan ReadScan(const EmulatedBoard& board) {
    const std::uint32_t settings = board.Peek32(hal::reg::kDisplaySettings);
    const std::uint32_t bpp = settings & hal::reg::kBitsPerPixelMask;
    Scan s{
        .bitsPerPixel = bpp,
        .swivel = (settings >> hal::reg::kSwivelShift) & 3,
        .panelWidth = (board.Peek32(hal::reg::kHorzDisplay) & 0x7F) * 8 + 8,
        .panelHeight = (board.Peek32(hal::reg::kVertDisplay) & 0x3FF) + 1,
        .horizontalHalving = (settings & hal::reg::kHorzDoubling) != 0 ? 1u : 0u,
        .verticalHalving = (settings & hal::reg::kVertDoubling) != 0 ? 1u : 0u,
        .start = std::int64_t{board.Peek32(hal::reg::kMainStart) & 0x1FFFF} * 32 / bpp,
        .line = std::int64_t{board.Peek32(hal::reg::kMainOffset) & 0x3FF} * 32 / bpp,
        .memoryPixels = std::int64_t{EmulatedBoard::kDisplayMemorySize} * 8 / bpp,
        .origin = 0,
    };
    const std::int64_t perWord = 32 / bpp;
    const std::int64_t effectiveWidth = s.panelWidth >> s.horizontalHalving;
    const std::int64_t effectiveHeight = s.panelHeight >> s.verticalHalving;
    s.origin = s.start + (s.swivel == 1   ? (effectiveHeight - 1) % perWord
                          : s.swivel == 2 ? (effectiveWidth - 1) % perWord
                                          : 0);
    return s;
}

std::int64_t PixelIndex(const Scan& s, std::int64_t ex, std::int64_t ey) {
    switch (s.swivel) {
    case 1:
        return s.origin + ex * s.line - ey;
    case 2:
        return s.origin - ex - ey * s.line;
    case 3:
        return s.origin - ex * s.line + ey;
    default:
        return s.origin + ey * s.line + ex;
    }
}

// The index of the pixel that the picture shows at (vx, vy), the panel
// turned by the SwivelView angle.
std::int64_t IndexAt(const Scan& s, std::int64_t vx, std::int64_t vy) {
    std::int64_t nx = vx, ny = vy;
    switch (s.swivel) {
    case 1:
        nx = vy, ny = s.panelHeight - 1 - vx;
        break;
    case 2:
        nx = s.panelWidth - 1 - vx, ny = s.panelHeight - 1 - vy;
        break;
    case 3:
        nx = s.panelWidth - 1 - vy, ny = vx;
        break;
    default:
        break;
    }
    return PixelIndex(s, nx >> s.horizontalHalving, ny >> s.verticalHalving);
}

// Addresses wrap around display memory as the controller's counter does
// (dividing only for those that do: a division per pixel would cost more
// than the rest of the picture).
std::uint32_t ReadPixel(std::span<const std::uint8_t> memory, const Scan& s, std::int64_t index) {
    if (index < 0 || index >= s.memoryPixels) {
        index %= s.memoryPixels;
        if (index < 0) {
            index += s.memoryPixels;
        }
    }
    const auto bit = static_cast<std::uint64_t>(index) * s.bitsPerPixel;
    const auto byte = static_cast<std::size_t>(bit / 8);
    if (s.bitsPerPixel == 16) {
        return memory[byte] | std::uint32_t{memory[byte + 1]} << 8;
    }
    const std::uint32_t shift = 8 - s.bitsPerPixel - static_cast<std::uint32_t>(bit % 8);
    return (memory[byte] >> shift) & ((1u << s.bitsPerPixel) - 1);
}

std::uint32_t Expand565(std::uint32_t pixel) {
    const std::uint32_t r = (pixel >> 11) & 0x1F, g = (pixel >> 5) & 0x3F, b = pixel & 0x1F;
    return (r << 3 | r >> 2) << 16 | (g << 2 | g >> 4) << 8 | (b << 3 | b >> 2);
}

// A monochrome panel shows the green component as its grey level.
std::uint32_t PanelColour(const EmulatedBoard& board, const Scan& s, std::uint32_t pixel,
                          bool colourPanel) {
    const std::uint32_t rgb = s.bitsPerPixel == 16 ? Expand565(pixel) : board.LutEntry(pixel);
    if (colourPanel) {
        return rgb;
    }
    const std::uint32_t grey = (rgb >> 8) & 0xFF;
    return grey << 16 | grey << 8 | grey;
}

bool ShowsNothing(const EmulatedBoard& board) {
    const std::uint32_t settings = board.Peek32(hal::reg::kDisplaySettings);
    const std::uint32_t bpp = settings & hal::reg::kBitsPerPixelMask;
    const bool validDepth = bpp == 1 || bpp == 2 || bpp == 4 || bpp == 8 || bpp == 16;
    const bool blanked = (settings & hal::reg::kDisplayBlank) != 0;
    const bool powerSave = (board.Peek32(hal::reg::kPowerSave) & hal::reg::kPowerSaveMode) != 0;
    return !validDepth || blanked || powerSave;
}

} // namespace

Picture RenderPanel(const EmulatedBoard& board) {
    const std::uint32_t swivel =
        (board.Peek32(hal::reg::kDisplaySettings) >> hal::reg::kSwivelShift) & 3;
    const std::uint32_t panelWidth = (board.Peek32(hal::reg::kHorzDisplay) & 0x7F) * 8 + 8;
    const std::uint32_t panelHeight = (board.Peek32(hal::reg::kVertDisplay) & 0x3FF) + 1;
    const bool turned = swivel == 1 || swivel == 3;
    Picture picture;
    picture.width = turned ? panelHeight : panelWidth;
    picture.height = turned ? panelWidth : panelHeight;
    picture.rgb.assign(std::size_t{picture.width} * picture.height * 3, 0);
    if (ShowsNothing(board)) {
        return picture;
    }
    const Scan s = ReadScan(board);
    const bool colourPanel = (board.Peek32(hal::reg::kPanelType) & hal::reg::kColourPanel) != 0;
    const std::span<const std::uint8_t> memory = board.DisplayMemory();
    // The index is a sum of a part that depends on the picture's column
    // and one that depends on its row, whatever the angle: worked out once
    // for each column and each row.
    std::vector<std::int64_t> columns(picture.width);
    for (std::uint32_t vx = 0; vx < picture.width; ++vx) {
        columns[vx] = IndexAt(s, vx, 0) - IndexAt(s, 0, 0);
    }
    std::uint8_t* out = picture.rgb.data();
    for (std::uint32_t vy = 0; vy < picture.height; ++vy) {
        const std::int64_t row = IndexAt(s, 0, vy);
        for (const std::int64_t column : columns) {
            const std::uint32_t rgb =
                PanelColour(board, s, ReadPixel(memory, s, row + column), colourPanel);
            *out++ = static_cast<std::uint8_t>(rgb >> 16);
            *out++ = static_cast<std::uint8_t>(rgb >> 8);
            *out++ = static_cast<std::uint8_t>(rgb);
        }
    }
    return picture;
}

} // namespace k7r::emu
