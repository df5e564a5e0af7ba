#include "panels/panel_settings.h"

#include "config/working_config.h"
#include "panels/panel_def_matches.h"
#include "regs/clock_tree.h"
#include "regs/field_values.h"
#include "regs/layout.h"
#include "regs/pixel_clocks.h"
#include "regs/setting_ids.h"

#include <algorithm>

namespace k7r {

namespace {

// Composite panel type values (setting 24) that a panel file can describe.
constexpr std::uint32_t kCompositeStn = 0;
constexpr std::uint32_t kCompositeTft = 1;
constexpr std::uint32_t kCompositeHrTft = 2;

std::optional<std::uint32_t> CompositeTypeFor(std::int32_t type) {
    switch (type) {
    case kPanelStn:
        return kCompositeStn;
    case kPanelTft:
        return kCompositeTft;
    case kPanelHrTft:
    case kPanelHrTft2:
        return kCompositeHrTft;
    }
    return std::nullopt;
}

// A tri-state or polarity the file leaves open is written as 0.
std::uint32_t ZeroWhenOpen(std::int32_t value) {
    return value < 0 ? 0 : std::uint32_t(value);
}

// A start position below the panel type's bias would wrap around in the
// field's conversion and end up at the field's maximum.
void SetRaisedToMinimum(config::WorkingConfig& config, std::uint32_t id, std::int32_t value) {
    SetFieldValue(config, id, std::max(std::uint32_t(value), GetFieldMin(config, id)));
}

std::int32_t Setting(config::WorkingConfig& config, std::uint32_t id) {
    return std::int32_t(GetFieldValue(config, id));
}

} // namespace

PanelApplication ApplyPredefinedPanel(config::WorkingConfig& config, const PanelDef& def) {
    if (def.disqualified) {
        PanelApplication refused;
        refused.report = def.reason;
        return refused;
    }
    if (const std::optional<std::uint32_t> composite = CompositeTypeFor(def.type)) {
        SetFieldValue(config, kIdPanelType, *composite);
    }
    SetFieldValue(config, kIdVertDisplay, std::uint32_t(def.height));
    SetFieldValue(config, kIdHorzDisplay, std::uint32_t(def.width));
    SetFieldValue(config, kIdDataFormat, ZeroWhenOpen(def.dataFormat));
    SetFieldValue(config, kIdColorPanel, std::uint32_t(def.color));
    SetFieldValue(config, kIdDataWidth, std::uint32_t(def.dataWidth));
    const bool wideHrTft =
        GetFieldValue(config, kIdPanelType) == kCompositeHrTft && def.width == 320;
    SetFieldValue(config, kIdHrTftResolution, wideHrTft ? 1 : 0);
    SetFieldValue(config, kIdHorzTotal, std::uint32_t(def.hTotal));
    SetRaisedToMinimum(config, kIdHorzStart, def.hStart);
    SetFieldValue(config, kIdVertTotal, std::uint32_t(def.vTotal));
    SetRaisedToMinimum(config, kIdVertStart, def.vStart);
    SetFieldValue(config, kIdFplinePol, ZeroWhenOpen(def.linePol));
    SetFieldValue(config, kIdFplineWidth, std::uint32_t(def.lineWidth));
    SetFieldValue(config, kIdFplineStart, std::uint32_t(def.lineStart));
    SetFieldValue(config, kIdFpframePol, ZeroWhenOpen(def.framePol));
    SetFieldValue(config, kIdFpframeWidth, std::uint32_t(def.frameWidth));
    SetFieldValue(config, kIdFpframeStart, std::uint32_t(def.frameStart));

    PanelApplication application;
    application.applied = true;
    application.pixelClockLine = MatchPixelClock(config, std::uint32_t(def.pclkKHz));
    if (!application.pixelClockLine) {
        application.report = "Could not change pixel clock to \"" +
                             FormatPixelClockKhz(std::uint32_t(def.pclkKHz)) + "\"\n.";
    }
    RecomputeLayout(config);
    StoreFrameRate(config);
    return application;
}

PanelDef PanelDefFromSettings(config::WorkingConfig& config) {
    PanelDef def;
    const std::uint32_t composite = GetFieldValue(config, kIdPanelType);
    switch (composite) {
    case kCompositeStn:
        def.type = kPanelStn;
        break;
    case kCompositeTft:
        def.type = kPanelTft;
        break;
    case kCompositeHrTft:
        def.type = kPanelHrTft2;
        break;
    default:
        def.type = std::int32_t(composite);
    }
    if (def.type == kPanelHrTft || def.type == kPanelHrTft2) {
        const bool wide = GetFieldValue(config, kIdHrTftResolution) != 0;
        def.width = wide ? 320 : 160;
        def.height = wide ? 240 : 160;
    } else {
        def.width = Setting(config, kIdHorzDisplay);
        def.height = Setting(config, kIdVertDisplay);
    }
    def.el = 0;
    def.dataWidth = Setting(config, kIdDataWidth);
    def.tft2x = kNotApplicable;
    def.dataFormat = GetFieldValue(config, kIdDataFormat) != 0 ? 1 : 0;
    def.color = GetFieldValue(config, kIdColorPanel) != 0 ? 1 : 0;
    def.dual = kNotApplicable;
    def.pclkKHz = std::int32_t(GetFieldValue(config, kIdPixelClock) / 1000);
    def.hTotal = Setting(config, kIdHorzTotal);
    def.hStart = Setting(config, kIdHorzStart);
    def.vTotal = Setting(config, kIdVertTotal);
    def.vStart = Setting(config, kIdVertStart);
    def.lineStart = Setting(config, kIdFplineStart);
    def.lineWidth = Setting(config, kIdFplineWidth);
    def.linePol = Setting(config, kIdFplinePol);
    def.frameStart = Setting(config, kIdFpframeStart);
    def.frameWidth = Setting(config, kIdFpframeWidth);
    def.framePol = Setting(config, kIdFpframePol);
    def.spareFlag = kNotApplicable;
    def.spare1 = kNotApplicable;
    def.spare2 = kNotApplicable;
    return def;
}

std::optional<std::size_t> MatchPredefinedPanel(config::WorkingConfig& config,
                                                const PanelDefList& list,
                                                std::optional<std::size_t> previous) {
    if (list.Count() == 0) {
        return std::nullopt;
    }
    const PanelDef current = PanelDefFromSettings(config);
    const bool hrTft = GetFieldValue(config, kIdPanelType) == kCompositeHrTft;
    const auto matches = [&](std::size_t index) {
        const PanelDef& entry = list.At(index);
        if (entry.disqualified) {
            return false;
        }
        // Both HR-TFT kinds select the same panel type, so the settings
        // cannot tell them apart: an entry of either kind describes them.
        PanelDef settings = current;
        if (hrTft && entry.type == kPanelHrTft) {
            settings.type = kPanelHrTft;
        }
        return PanelDefMatches(entry, settings);
    };
    if (previous && *previous < list.Count() && matches(*previous)) {
        return previous;
    }
    for (std::size_t index = 0; index < list.Count(); ++index) {
        if (matches(index)) {
            return index;
        }
    }
    return std::nullopt;
}

} // namespace k7r
