#include "view/display.h"

#include "hal/chip_registers.h"

#include <algorithm>

namespace k7r::view {

namespace {

constexpr std::uint32_t RoundUp4(std::uint32_t value) {
    return (value + 3) & ~3u;
}

} // namespace

std::uint32_t Display::GetBitsPerPixel() {
    std::uint32_t bpp = bus_.ReadRegister(hal::reg::kDisplaySettings) & 0x1F;
    return bpp == 0 ? 1 : bpp;
}

std::uint32_t Display::GetMemorySize() {
    return ((bus_.ReadRegister(hal::reg::kProductInfo) >> 8) & 0xFF) * 4096;
}

std::uint32_t Display::GetPanelWidth() {
    return (bus_.ReadRegister(hal::reg::kHorzDisplay) & 0x7F) * 8 + 8;
}

std::uint32_t Display::GetPanelHeight() {
    return (bus_.ReadRegister(hal::reg::kVertDisplay) & 0x3FF) + 1;
}

std::uint32_t Display::GetSwivelView() {
    return ((bus_.ReadRegister(hal::reg::kDisplaySettings) >> 16) & 3) * 90;
}

std::uint32_t Display::GetPixelDoubling() {
    return (bus_.ReadRegister(hal::reg::kDisplaySettings) >> 24) & 3;
}

bool Display::Rotated() {
    std::uint32_t swivel = GetSwivelView();
    return swivel == 90 || swivel == 270;
}

std::uint32_t Display::GetDisplayWidth() {
    if (Rotated()) {
        return GetPanelHeight();
    }
    return (GetPixelDoubling() & 1) ? GetPanelWidth() / 2 : GetPanelWidth();
}

std::uint32_t Display::GetDisplayHeight() {
    if (Rotated()) {
        return GetPanelWidth();
    }
    return (GetPixelDoubling() & 2) ? GetPanelHeight() / 2 : GetPanelHeight();
}

std::uint32_t Display::GetStride() {
    return bus_.ReadRegister(hal::reg::kMainOffset) * 4;
}

void Display::SetStride(std::uint32_t bytes) {
    bus_.WriteRegister(hal::reg::kMainOffset, bytes / 4);
}

// The start address names the word shown at the panel's top left, which
// under rotation is the end of a line or the start of the last one.
void Display::SetStartAddress(std::uint32_t byteOffset) {
    std::uint32_t offset = RoundUp4(byteOffset);
    std::uint32_t bpp = GetBitsPerPixel();
    std::uint32_t stride = GetStride();
    std::uint32_t height = GetDisplayHeight();
    std::uint32_t line = RoundUp4(GetDisplayWidth() * bpp / 8);
    std::uint32_t words = 0;
    switch (GetSwivelView()) {
    case 0:
        words = offset / 4;
        break;
    case 90:
        words = (line + offset) / 4 - 1;
        break;
    case 180:
        words = (line + (height - 1) * stride + offset) / 4 - 1;
        break;
    default:
        words = ((height - 1) * stride + offset) / 4;
        break;
    }
    bus_.WriteRegister(hal::reg::kMainStart, words);
}

void Display::SetBitsPerPixel(std::uint32_t bpp) {
    std::uint32_t settings = bus_.ReadRegister(hal::reg::kDisplaySettings);
    bus_.WriteRegister(hal::reg::kDisplaySettings, (settings & ~0x1Fu) | bpp);
    std::uint32_t width = Rotated() ? GetPanelHeight() : GetPanelWidth();
    if (GetPixelDoubling() & 1) {
        width /= 2;
    }
    SetStride(RoundUp4(width * bpp / 8));
    SetStartAddress(0);
}

bool Display::SetVirtualDisplay(std::uint32_t width, std::uint32_t height) {
    std::uint64_t bpp = GetBitsPerPixel();
    if (bpp * width / 8 * height > GetMemorySize()) {
        return false;
    }
    bus_.WriteRegister(hal::reg::kMainOffset,
                       static_cast<std::uint32_t>(bpp * width / 32) & 0xFFFF);
    return true;
}

bool Display::PanDisplay(std::uint32_t window, std::uint32_t x, std::uint32_t y) {
    if ((window != 1 && window != 2) || y > GetDisplayHeight()) {
        return false;
    }
    bus_.WriteRegister(hal::reg::kMainStart, x * GetBitsPerPixel() / 32 + y * GetStride() / 4);
    return true;
}

void Display::WriteLut(const Palette& palette, std::uint32_t count) {
    for (std::uint32_t i = 0; i < count && i < palette.size(); ++i) {
        const Rgb& c = palette[i];
        bus_.WriteRegister(hal::reg::kLutWrite, (i << 24) | (c.r << 16) | (c.g << 8) | c.b);
    }
}

// The row's bytes go to display memory from the byte offset upward, written
// as whole aligned 32-bit words; a word the row covers only in part keeps
// the display's other bytes. At 4 bpp the first pixel of a byte is its high
// nibble, so an odd last pixel keeps the display's low nibble.
void Display::PutRow(std::span<const std::uint8_t> pixels, std::uint32_t count, std::uint32_t x,
                     std::uint64_t y, std::uint32_t pitch, std::uint32_t limit, std::uint32_t bpp) {
    if (bpp == 0 || x >= limit) {
        return;
    }
    std::uint64_t pixelsGiven = std::uint64_t{pixels.size()} * 8 / bpp;
    count = static_cast<std::uint32_t>(std::min<std::uint64_t>({count, limit - x, pixelsGiven}));
    std::uint64_t memorySize = GetMemorySize();
    std::uint64_t offset = (y * pitch + x) * bpp / 8;
    if (offset >= memorySize || count == 0) {
        return;
    }
    std::uint64_t bits = std::uint64_t{count} * bpp;
    std::uint64_t end = offset + (bits + 7) / 8;
    std::uint8_t lastByteMask = bits % 8 != 0 ? 0xF0 : 0xFF;
    for (std::uint64_t word = offset & ~std::uint64_t{3}; word < end; word += 4) {
        if (word + 4 > memorySize) {
            return;
        }
        auto address = static_cast<std::uint32_t>(word);
        // A word that the row covers whole, as most are, goes as it is.
        if (word >= offset && word + 4 <= end && (word + 4 < end || lastByteMask == 0xFF)) {
            const std::uint8_t* bytes = &pixels[word - offset];
            bus_.WriteMemory(address, std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 |
                                          std::uint32_t{bytes[2]} << 16 |
                                          std::uint32_t{bytes[3]} << 24);
            continue;
        }
        std::uint32_t value = 0;
        std::uint32_t mask = 0;
        for (std::uint64_t i = 0; i < 4; ++i) {
            std::uint64_t at = word + i;
            if (at < offset || at >= end) {
                continue;
            }
            std::uint32_t byteMask = at + 1 == end ? lastByteMask : 0xFF;
            value |= std::uint32_t{pixels[at - offset]} << (8 * i);
            mask |= byteMask << (8 * i);
        }
        if (mask != 0xFFFFFFFF) {
            value = (value & mask) | (bus_.ReadMemory(address) & ~mask);
        }
        bus_.WriteMemory(address, value);
    }
}

} // namespace k7r::view
