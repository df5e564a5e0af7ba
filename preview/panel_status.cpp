#include "preview/panel_status.h"

#include "hal/chip_registers.h"
#include "regs/field_values.h"
#include "regs/layout.h"
#include "regs/panel_type.h"
#include "regs/setting_ids.h"

#include <algorithm>
#include <cstdio>

namespace k7r::preview {
namespace {

namespace reg = hal::reg;

// The depths the chip shows; any other value of REG[10h] bits 4:0 shows
// nothing.
constexpr std::uint32_t kDepths[] = {1, 2, 4, 8, 16};

template <typename... Arguments>
std::string Format(const char* format, Arguments... arguments) {
    char text[256];
    std::snprintf(text, sizeof text, format, arguments...);
    return text;
}

// "%u.%03u" MHz, as the utility shows clocks.
std::string Megahertz(std::uint32_t hz) {
    return Format("%u.%03u MHz", hz / 1000000, hz / 1000 % 1000);
}

// The power pin is on the GPO pins for the panel types whose GPIO pins
// carry panel signals, else a GPIO pin, which must also be driven. No pin
// at all: the board powers the panel itself.
bool PanelPowered(const emu::EmulatedBoard& board, config::WorkingConfig& stored) {
    if (regs::PanelUsesGpio(regs::GetFieldValue(stored, regs::kIdPanelType))) {
        const std::uint32_t pin = stored.Record.GpoPowerMask;
        return (board.Peek32(reg::kGpoControl) & pin) == pin;
    }
    const std::uint32_t pin = stored.Record.GpioPowerMask & 0xFF;
    const std::uint32_t gpio = board.Peek32(reg::kGpio);
    return ((gpio >> reg::kGpioConfigShift) & pin) == pin && (gpio & pin) == pin;
}

} // namespace

void DescribeDisplay(const emu::EmulatedBoard& board, config::WorkingConfig& stored,
                     Preview& preview) {
    const std::uint32_t settings = board.Peek32(reg::kDisplaySettings);
    const std::uint32_t depth = settings & reg::kBitsPerPixelMask;
    const bool colour = (board.Peek32(reg::kPanelType) & reg::kColourPanel) != 0;
    const std::uint32_t swivel = (settings >> reg::kSwivelShift & 3) * 90;
    const std::uint32_t pixelClock = board.PixelClockHz();
    preview.status.push_back(Format("Panel %u x %u as mounted, %u bpp %s, SwivelView %u",
                                    preview.picture.width, preview.picture.height, depth,
                                    colour ? "colour" : "monochrome", swivel));
    preview.status.push_back(Format("Frame rate %u Hz, pixel clock %s", board.FrameRateHz(),
                                    Megahertz(pixelClock).c_str()));

    std::vector<std::string>& faults = preview.faults;
    if (std::find(std::begin(kDepths), std::end(kDepths), depth) == std::end(kDepths)) {
        faults.push_back(Format("Nothing shows: the chip shows no colour depth of %u bpp.", depth));
    }
    if ((settings & reg::kDisplayBlank) != 0) {
        faults.push_back("Nothing shows: the display is blanked (Disp Blank).");
    }
    if ((board.Peek32(reg::kPowerSave) & reg::kPowerSaveMode) != 0) {
        faults.push_back("Nothing shows: the chip is in power save mode (Pwr Save Mode).");
    }
    // The emulator scans on without a clock or panel power: a real panel
    // stays dark.
    bool dark = false;
    if (pixelClock == 0) {
        faults.push_back("Nothing shows: the display has no pixel clock.");
        dark = true;
    }
    if (!PanelPowered(board, stored)) {
        faults.push_back("Nothing shows: the panel's power pin stays off.");
        dark = true;
    }
    if (dark) {
        std::fill(preview.picture.rgb.begin(), preview.picture.rgb.end(), 0);
    }
}

void CheckStride(config::WorkingConfig& stored, Preview& preview) {
    const regs::ImageSize image = regs::EffectiveImageSize(stored);
    const std::uint32_t depth = regs::GetFieldValue(stored, regs::kIdBitsPerPixel);
    const std::uint32_t line = (image.width * depth + 7) / 8;
    const std::uint32_t stride = regs::GetFieldValue(stored, regs::kIdMainLineOffset);
    if (stride < line) {
        preview.faults.push_back(
            Format("Main Addr Offset %u bytes is shorter than a line of the picture (%u bytes): "
                   "each line runs into the next.",
                   stride, line));
    }
}

std::string BufferTooSmall(const emu::EmulatedBoard& board) {
    const std::uint32_t bytes = (board.Peek32(reg::kProductInfo) >> 8 & 0xFF) * 4096;
    return Format("The display buffer (%u bytes) is too small: the picture stops at its end.",
                  bytes);
}

} // namespace k7r::preview
