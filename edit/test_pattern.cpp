#include "edit/test_pattern.h"

#include "hal/access.h"
#include "hal/chip_registers.h"
#include "hal/lookup_tables.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace k7r::edit {
namespace {

// The inverted run marks the top of the picture on these lines.
constexpr std::uint32_t kMarkerFirstLine = 1;
constexpr std::uint32_t kMarkerLastLine = 9;

std::uint32_t CeilDiv(std::uint32_t value, std::uint32_t divisor) {
    return value / divisor + (value % divisor != 0 ? 1 : 0);
}

// RGB 5:6:5 fields of a 16 bpp pixel, each stepped within its own bits.
std::uint32_t StepField(std::uint32_t pixel, std::uint32_t shift, std::uint32_t bits,
                        std::uint32_t step) {
    const std::uint32_t mask = ((1u << bits) - 1) << shift;
    return (pixel & ~mask) | (((pixel & mask) + (step << shift)) & mask);
}
constexpr std::uint32_t kRedShift = 11, kRedBits = 5;
constexpr std::uint32_t kGreenShift = 5, kGreenBits = 6;
constexpr std::uint32_t kBlueShift = 0, kBlueBits = 5;

// How one colour depth draws its lines. A line is a row of units (bytes,
// or 16-bit pixels at 16 bpp). Lines fall into horizontal bands, each with
// the colour the line starts with; along a line, the value steps at each
// vertical band boundary. `band` counts horizontal bands from 0.
struct DepthRule {
    std::uint32_t depth; // 0: every depth without a rule of its own
    std::uint32_t unitBytes;
    std::uint32_t white;
    // OR-ed into the first and the last unit of a line: its white frame.
    std::uint32_t firstMask;
    std::uint32_t lastMask;
    std::uint32_t (*units)(std::uint32_t width);
    std::uint32_t (*bandWidth)(std::uint32_t width, std::uint32_t band);
    std::uint32_t (*bandHeight)(std::uint32_t height);
    std::uint32_t (*lineColour)(std::uint32_t band);
    std::uint32_t (*step)(std::uint32_t value, std::uint32_t band);
    // The inverted run: its first unit and how many.
    std::int64_t (*markerFirst)(std::uint32_t width);
    std::uint32_t markerUnits;
};

constexpr DepthRule kDepthRules[] = {
    {.depth = 1,
     .unitBytes = 1,
     .white = 0xFF,
     .firstMask = 0x80,
     .lastMask = 0x01,
     .units = [](std::uint32_t w) { return w / 8; },
     .bandWidth = [](std::uint32_t w, std::uint32_t) { return w / 16 + (w % 8 == 0 ? 1u : 0u); },
     .bandHeight = [](std::uint32_t h) { return CeilDiv(h, 2); },
     .lineColour = [](std::uint32_t band) { return band % 2 == 0 ? 0x00u : 0xFFu; },
     .step = [](std::uint32_t value, std::uint32_t) { return ~value & 0xFFu; },
     .markerFirst = [](std::uint32_t w) { return std::int64_t{w / 16} - 1; },
     .markerUnits = 4},
    {.depth = 2,
     .unitBytes = 1,
     .white = 0xFF,
     .firstMask = 0xC0,
     .lastMask = 0x03,
     .units = [](std::uint32_t w) { return w / 4; },
     .bandWidth = [](std::uint32_t w, std::uint32_t) { return CeilDiv(w, 8); },
     .bandHeight = [](std::uint32_t h) { return CeilDiv(h, 2); },
     .lineColour = [](std::uint32_t band) { return band == 0 ? 0x00u : 0xAAu; },
     .step = [](std::uint32_t value, std::uint32_t) { return value == 0xFF ? 0u : value + 0x55; },
     .markerFirst = [](std::uint32_t w) { return std::int64_t{w / 8} - 3; },
     .markerUnits = 6},
    {.depth = 4,
     .unitBytes = 1,
     .white = 0xFF,
     .firstMask = 0xF0,
     .lastMask = 0x0F,
     .units = [](std::uint32_t w) { return w / 2; },
     .bandWidth = [](std::uint32_t w, std::uint32_t) { return w / 8; },
     .bandHeight = [](std::uint32_t h) { return CeilDiv(h, 4); },
     .lineColour = [](std::uint32_t band) { return (band * 4 & 0xF) * 0x11; },
     .step = [](std::uint32_t value, std::uint32_t) { return ((value + 1) & 0xF) * 0x11; },
     .markerFirst = [](std::uint32_t w) { return std::int64_t{w / 4} - 5; },
     .markerUnits = 10},
    {.depth = 16,
     .unitBytes = 2,
     .white = 0xFFFF,
     .firstMask = 0xFFFF,
     .lastMask = 0xFFFF,
     .units = [](std::uint32_t w) { return w; },
     .bandWidth = [](std::uint32_t w,
                     std::uint32_t band) { return band == 1 ? CeilDiv(w, 64) : CeilDiv(w, 32); },
     .bandHeight = [](std::uint32_t h) { return CeilDiv(h, 4); },
     .lineColour = [](std::uint32_t) { return 0u; },
     .step =
         [](std::uint32_t pixel, std::uint32_t band) {
             switch (band) {
             case 0:
                 return StepField(pixel, kRedShift, kRedBits, 1);
             case 1:
                 return StepField(pixel, kGreenShift, kGreenBits, 1);
             case 2:
                 return StepField(pixel, kBlueShift, kBlueBits, 1);
             default:
                 pixel = StepField(pixel, kRedShift, kRedBits, 1);
                 pixel = StepField(pixel, kBlueShift, kBlueBits, 1);
                 return StepField(pixel, kGreenShift, kGreenBits, 2);
             }
         },
     .markerFirst = [](std::uint32_t w) { return std::int64_t{w / 2} - 10; },
     .markerUnits = 20},
    {.depth = 0, // 8 bpp, and whatever depth the chip was given
     .unitBytes = 1,
     .white = 0xFF,
     .firstMask = 0xFF,
     .lastMask = 0xFF,
     .units = [](std::uint32_t w) { return w; },
     .bandWidth = [](std::uint32_t w, std::uint32_t) { return CeilDiv(w, 32); },
     .bandHeight = [](std::uint32_t h) { return CeilDiv(h, 8); },
     .lineColour = [](std::uint32_t band) { return band * 32 & 0xFF; },
     .step =
         [](std::uint32_t value, std::uint32_t) {
             const std::uint32_t next = (value + 1) & 0xFF;
             return next == 0 ? 0xFFu : next;
         },
     .markerFirst = [](std::uint32_t w) { return std::int64_t{w / 2} - 10; },
     .markerUnits = 20},
};

// The catch-all rule is the table's last.
const DepthRule& RuleFor(std::uint32_t depth) {
    return *std::find_if(std::begin(kDepthRules), std::end(kDepthRules) - 1,
                         [depth](const DepthRule& rule) { return rule.depth == depth; });
}

// A band size of 0 (a picture too small to divide) never starts a band.
bool StartsBand(std::uint32_t position, std::uint32_t size) {
    return size != 0 && position % size == 0;
}

// The picture as the chip shows it, in display memory offsets.
struct Geometry {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t depth = 0;
    std::uint32_t stride = 0;
    std::uint32_t start = 0;
    std::uint32_t bufferSize = 0;
    bool colour = false;
};

Geometry ReadGeometry(config::WorkingConfig& config) {
    Geometry g;
    g.width = regs::GetFieldValue(config, regs::kIdHorzDisplay) /
              (regs::GetFieldValue(config, regs::kIdHorzDoubling) + 1);
    g.height = regs::GetFieldValue(config, regs::kIdVertDisplay) /
               (regs::GetFieldValue(config, regs::kIdVertDoubling) + 1);
    g.depth = regs::GetFieldValue(config, regs::kIdBitsPerPixel);
    g.stride = regs::GetFieldValue(config, regs::kIdMainLineOffset);
    const std::uint32_t rotation = regs::GetFieldValue(config, regs::kIdSwivelView);
    if (rotation == 90 || rotation == 270) {
        std::swap(g.width, g.height);
    }
    g.start = regs::GetFieldValue(config, regs::kIdMainStart);
    // At 90 and 180 degrees the start address names the word that holds the
    // end of the first line; the line's bytes end on a word boundary.
    if (rotation == 90 || rotation == 180) {
        g.start += (0u - g.depth * g.width / 8) % 4;
    }
    if (g.depth == 16) {
        g.stride &= ~1u;
    }
    g.bufferSize = regs::GetFieldValue(config, regs::kIdDisplayBufferSize);
    g.colour = regs::GetFieldValue(config, regs::kIdColorPanel) != 0;
    return g;
}

// Stores lines into display memory in address order until a store would
// reach past the display buffer; nothing is stored after that one.
class Canvas {
  public:
    explicit Canvas(const Geometry& g) : geometry_(g) {}

    bool Stopped() const { return stopped_; }

    void StoreLine(std::uint32_t y, std::span<const std::uint32_t> units, std::uint32_t unitBytes) {
        std::uint64_t offset = geometry_.start + std::uint64_t{y} * geometry_.stride;
        for (const std::uint32_t value : units) {
            if (offset + unitBytes > geometry_.bufferSize) {
                stopped_ = true;
                return;
            }
            const auto at = static_cast<std::uint32_t>(offset);
            if (unitBytes == 2) {
                hal::WriteMem16(at, static_cast<std::uint16_t>(value));
            } else {
                hal::WriteMem8(at, static_cast<std::uint8_t>(value));
            }
            offset += unitBytes;
        }
    }

  private:
    const Geometry& geometry_;
    bool stopped_ = false;
};

// A line between the white first and last ones.
void FillBandedLine(const DepthRule& rule, const Geometry& g, std::uint32_t y,
                    std::vector<std::uint32_t>& line) {
    if (line.empty()) {
        return;
    }
    const std::uint32_t bandHeight = rule.bandHeight(g.height);
    const std::uint32_t band = bandHeight != 0 ? y / bandHeight : 0;
    const std::uint32_t bandWidth = rule.bandWidth(g.width, band);
    std::uint32_t value = rule.lineColour(band);
    line.front() = value | rule.firstMask;
    for (std::size_t k = 1; k + 1 < line.size(); ++k) {
        if (StartsBand(static_cast<std::uint32_t>(k), bandWidth)) {
            value = rule.step(value, band);
        }
        line[k] = value;
    }
    // A line of one unit holds both ends of the frame.
    line.back() = (line.size() == 1 ? line.front() : value) | rule.lastMask;

    if (y >= kMarkerFirstLine && y <= kMarkerLastLine) {
        const std::int64_t first = rule.markerFirst(g.width);
        for (std::int64_t k = first; k < first + rule.markerUnits; ++k) {
            if (k >= 0 && static_cast<std::size_t>(k) < line.size()) {
                line[static_cast<std::size_t>(k)] ^= rule.white;
            }
        }
    }
}

PatternDrawn DrawLines(const DepthRule& rule, const Geometry& g) {
    Canvas canvas(g);
    std::vector<std::uint32_t> line(rule.units(g.width));
    for (std::uint32_t y = 0; y < g.height && !canvas.Stopped(); ++y) {
        if (y == 0 || y + 1 == g.height) {
            std::fill(line.begin(), line.end(), rule.white);
        } else {
            FillBandedLine(rule, g, y, line);
        }
        canvas.StoreLine(y, line, rule.unitBytes);
    }
    return canvas.Stopped() ? PatternDrawn::StoppedAtBufferEnd : PatternDrawn::Whole;
}

} // namespace

PatternDrawn DrawTestPattern(config::WorkingConfig& config, bool force) {
    if (!config.Bound || !force) {
        return PatternDrawn::None;
    }
    // The picture is drawn as the chip shows it, whatever the configuration
    // has become since.
    const bool live = config.Live;
    config.Live = true;
    const Geometry g = ReadGeometry(config);
    hal::FillMem32(0, 0, g.bufferSize / 4);
    config.Live = live;

    for (const std::uint32_t word : hal::DefaultLookupTable(g.depth, g.colour)) {
        hal::WriteReg32(hal::reg::kLutWrite, word);
    }
    const PatternDrawn drawn = DrawLines(RuleFor(g.depth), g);
    hal::PanelMayHaveChanged();
    return drawn;
}

void LiveTimerTick(config::WorkingConfig& config) {
    if (config.RedrawCountdown != 0 && --config.RedrawCountdown == 0) {
        DrawTestPattern(config, config.AutoRedraw);
    }
    hal::PanelMayHaveChanged();
}

} // namespace k7r::edit
