#include "panels/qualification.h"

#include <cstdint>

namespace k7r::panels {

namespace {

// The largest panel the chip drives: 112 KB of display memory at one bit
// per pixel.
constexpr std::int64_t kMaxPanelBytes = 0x1C000;

} // namespace

std::optional<std::string> DisqualifyPanel(const PanelDef& def) {
    if (def.pclkKHz == 0) {
        return "There is no information on " + def.name + " in DEBUG.DEF.\n";
    }
    std::string reasons;
    if (def.type == kPanelDTfd) {
        reasons += " it is a D-TFD;";
    }
    // In 64 bits: a 32-bit product of a large width and height would wrap
    // around and let a huge panel through.
    if (std::int64_t{def.width} * def.height / 8 > kMaxPanelBytes) {
        reasons += " requires more than 112K;";
    }
    if (def.el == 1) {
        reasons += " it is an EL;";
    }
    if (def.tft2x == 1) {
        reasons += " needs support for TFT 2x;";
    }
    if (def.dual == 1) {
        reasons += " it is a Dual panel;";
    }
    if (reasons.empty()) {
        return std::nullopt;
    }
    reasons.back() = '.';
    return def.name + " is disqualified:" + reasons + "\n";
}

} // namespace k7r::panels
