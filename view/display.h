#pragma once

#include "view/chip_bus.h"
#include "view/palette.h"

#include <cstdint>
#include <span>

namespace k7r::view {

// The viewer's display functions: the display mode as the chip's registers
// describe it, and the few registers and memory writes that draw an image.
// Every register access is 32-bit.
class Display {
  public:
    explicit Display(ChipBus& bus) : bus_(bus) {}

    std::uint32_t GetBitsPerPixel();
    std::uint32_t GetMemorySize();
    std::uint32_t GetPanelWidth();
    std::uint32_t GetPanelHeight();
    // In degrees: 0, 90, 180 or 270.
    std::uint32_t GetSwivelView();
    // Bit 0 horizontal doubling, bit 1 vertical doubling.
    std::uint32_t GetPixelDoubling();
    std::uint32_t GetDisplayWidth();
    std::uint32_t GetDisplayHeight();
    // In bytes.
    std::uint32_t GetStride();
    void SetStride(std::uint32_t bytes);
    void SetStartAddress(std::uint32_t byteOffset);
    void SetBitsPerPixel(std::uint32_t bpp);
    bool SetVirtualDisplay(std::uint32_t width, std::uint32_t height);
    bool PanDisplay(std::uint32_t window, std::uint32_t x, std::uint32_t y);
    // Loads entries 0 to count - 1 of the palette into the lookup table.
    void WriteLut(const Palette& palette, std::uint32_t count);
    // Writes count already converted pixels (packed at bpp bits, the first
    // pixel first in memory) at pixel x of line y of a display pitch pixels
    // wide, clipped at pixel limit of the line and at the end of display
    // memory.
    void PutRow(std::span<const std::uint8_t> pixels, std::uint32_t count, std::uint32_t x,
                std::uint64_t y, std::uint32_t pitch, std::uint32_t limit, std::uint32_t bpp);

  private:
    bool Rotated();

    ChipBus& bus_;
};

} // namespace k7r::view
