#include "panels/panel_settings.h"

#include "config/working_config.h"
#include "panels/panel_def_matches.h"
#include "regs/clock_tree.h"
#include "regs/field_values.h"
#include "regs/layout.h"
#include "regs/pixel_clocks.h"
#include "regs/setting_ids.h"

#include <algorithm>

namespace k7r::panels {

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
    regs::SetFieldValue(config, id, std::max(std::uint32_t(value), regs::GetFieldMin(config, id)));
}

std::int32_t Setting(config::WorkingConfig& config, std::uint32_t id) {
    return std::int32_t(regs::GetFieldValue(config, id));
}

} // namespace

PanelApplication ApplyPredefinedPanel(config::WorkingConfig& config, const PanelDef& def) {
    if (def.disqualified) {
        PanelApplication refused;
        refused.report = def.reason;
        return refused;
    }
    if (const std::optional<std::uint32_t> composite = CompositeTypeFor(def.type)) {
        regs::SetFieldValue(config, regs::kIdPanelType, *composite);
    }
    regs::SetFieldValue(config, regs::kIdVertDisplay, std::uint32_t(def.height));
    regs::SetFieldValue(config, regs::kIdHorzDisplay, std::uint32_t(def.width));
    regs::SetFieldValue(config, regs::kIdDataFormat, ZeroWhenOpen(def.dataFormat));
    regs::SetFieldValue(config, regs::kIdColorPanel, std::uint32_t(def.color));
    regs::SetFieldValue(config, regs::kIdDataWidth, std::uint32_t(def.dataWidth));
    const bool wideHrTft =
        regs::GetFieldValue(config, regs::kIdPanelType) == kCompositeHrTft && def.width == 320;
    regs::SetFieldValue(config, regs::kIdHrTftResolution, wideHrTft ? 1 : 0);
    regs::SetFieldValue(config, regs::kIdHorzTotal, std::uint32_t(def.hTotal));
    SetRaisedToMinimum(config, regs::kIdHorzStart, def.hStart);
    regs::SetFieldValue(config, regs::kIdVertTotal, std::uint32_t(def.vTotal));
    SetRaisedToMinimum(config, regs::kIdVertStart, def.vStart);
    regs::SetFieldValue(config, regs::kIdFplinePol, ZeroWhenOpen(def.linePol));
    regs::SetFieldValue(config, regs::kIdFplineWidth, std::uint32_t(def.lineWidth));
    regs::SetFieldValue(config, regs::kIdFplineStart, std::uint32_t(def.lineStart));
    regs::SetFieldValue(config, regs::kIdFpframePol, ZeroWhenOpen(def.framePol));
    regs::SetFieldValue(config, regs::kIdFpframeWidth, std::uint32_t(def.frameWidth));
    regs::SetFieldValue(config, regs::kIdFpframeStart, std::uint32_t(def.frameStart));

    PanelApplication application;
    application.applied = true;
    application.pixelClockLine = regs::MatchPixelClock(config, std::uint32_t(def.pclkKHz));
    if (!application.pixelClockLine) {
        application.report = "Could not change pixel clock to \"" +
                             regs::FormatPixelClockKhz(std::uint32_t(def.pclkKHz)) + "\"\n.";
    }
    regs::RecomputeLayout(config);
    regs::StoreFrameRate(config);
    return application;
}

PanelDef PanelDefFromSettings(config::WorkingConfig& config) {
    PanelDef def;
    const std::uint32_t composite = regs::GetFieldValue(config, regs::kIdPanelType);
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
        const bool wide = regs::GetFieldValue(config, regs::kIdHrTftResolution) != 0;
        def.width = wide ? 320 : 160;
        def.height = wide ? 240 : 160;
    } else {
        def.width = Setting(config, regs::kIdHorzDisplay);
        def.height = Setting(config, regs::kIdVertDisplay);
    }
    def.el = 0;
    def.dataWidth = Setting(config, regs::kIdDataWidth);
    def.tft2x = kNotApplicable;
    def.dataFormat = regs::GetFieldValue(config, regs::kIdDataFormat) != 0 ? 1 : 0;
    def.color = regs::GetFieldValue(config, regs::kIdColorPanel) != 0 ? 1 : 0;
    def.dual = kNotApplicable;
    def.pclkKHz = std::int32_t(regs::GetFieldValue(config, regs::kIdPixelClock) / 1000);
    def.hTotal = Setting(config, regs::kIdHorzTotal);
    def.hStart = Setting(config, regs::kIdHorzStart);
    def.vTotal = Setting(config, regs::kIdVertTotal);
    def.vStart = Setting(config, regs::kIdVertStart);
    def.lineStart = Setting(config, regs::kIdFplineStart);
    def.lineWidth = Setting(config, regs::kIdFplineWidth);
    def.linePol = Setting(config, regs::kIdFplinePol);
    def.frameStart = Setting(config, regs::kIdFpframeStart);
    def.frameWidth = Setting(config, regs::kIdFpframeWidth);
    def.framePol = Setting(config, regs::kIdFpframePol);
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
    const bool hrTft = regs::GetFieldValue(config, regs::kIdPanelType) == kCompositeHrTft;
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

} // namespace k7r::panels
