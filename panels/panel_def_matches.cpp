#include "panels/panel_def_matches.h"

#include "panels/panel_def.h"

namespace k7r::panels {

namespace {

bool EqualOrAny(std::int32_t a, std::int32_t b) {
    return a == b || a < 0 || b < 0;
}

} // namespace

bool PanelDefMatches(const PanelDef& entry, const PanelDef& other) {
    if (entry.type != other.type || entry.width != other.width || entry.height != other.height ||
        entry.dataWidth != other.dataWidth || entry.pclkKHz != other.pclkKHz) {
        return false;
    }
    if (!EqualOrAny(entry.el, other.el) || !EqualOrAny(entry.dataFormat, other.dataFormat) ||
        !EqualOrAny(entry.color, other.color) || !EqualOrAny(entry.dual, other.dual) ||
        !EqualOrAny(entry.hTotal, other.hTotal) || !EqualOrAny(entry.vTotal, other.vTotal) ||
        !EqualOrAny(entry.linePol, other.linePol) || !EqualOrAny(entry.framePol, other.framePol) ||
        !EqualOrAny(entry.spareFlag, other.spareFlag) || !EqualOrAny(entry.spare1, other.spare1) ||
        !EqualOrAny(entry.spare2, other.spare2)) {
        return false;
    }
    if (entry.type > kPanelStn) {
        const bool lineStartMatches =
            entry.lineStart == other.lineStart ||
            entry.lineStart == std::int64_t{other.lineStart} - other.hStart - other.width;
        if (!EqualOrAny(entry.tft2x, other.tft2x) || !lineStartMatches ||
            entry.lineWidth != other.lineWidth || entry.frameStart != other.frameStart ||
            entry.frameWidth != other.frameWidth) {
            return false;
        }
    }
    return entry.hStart == other.hStart && entry.vStart == other.vStart;
}

} // namespace k7r::panels
