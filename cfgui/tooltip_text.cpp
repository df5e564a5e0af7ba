#include "cfgui/tooltip_text.h"

#include "cfgui/application.h"
#include "cfgui/chip_text.h"
#include "cfgui/page.h"
#include "cfgui/resource.h"
#include "edit/rules/power_rules.h"
#include "regs/field_controls.h"
#include "regs/field_names.h"

#include <string_view>

namespace k7r::cfgui {
namespace {

constexpr std::string_view kPredefinedListHelp =
    "Selects from a list of predefined panels defined in the PANELS.DEF file. If this DEF file "
    "doesn't exist in the same directory as this program, this list will be empty.\n"
    "__________________________________________________\n"
    "IMPORTANT NOTE: These predefined panel settings are for reference only; you use it at your "
    "own risk. You MUST verify all entries in this program before applying your configuration "
    "to a panel.";

constexpr std::string_view kPredefinedListDebugHelp =
    "Since you are using DEBUG.DEF instead of PANELS.DEF, this list is now in a special "
    "\"predefined panel debug mode\". This list contains all the panels that we current have "
    "in-house (at one point or another). However, several panel definitions are "
    "(**)disqualified because we don't have working stats for them in DEBUG.DEF.\n"
    "__________________________________________________\n"
    "IMPORTANT NOTE: Do not provide DEBUG.DEF to any customers outside of VXL. Send them the "
    "official PANELS.DEF instead. This particular version includes definitions for panels that "
    "we do not desire to be made public.";

bool IsGpioPowerPin(int control) {
    return control >= IDC_POWER_PIN_TEXT && control <= IDC_POWER_PIN_7;
}

std::string FixedText(Application& app, int control) {
    if (control == IDC_DIAGNOSTICS) {
        return app.diagnostics.shown;
    }
    if (control == IDC_PREDEFINED_PANELS) {
        return std::string(app.panels.DebugMode() ? kPredefinedListDebugHelp : kPredefinedListHelp);
    }
    const HelpRow* row = app.help.Find(control);
    if (row == nullptr) {
        return {};
    }
    // A setting that two pages show is bound to the controls of the page
    // that bound it last; the other page's row still names it.
    return row->setting != 0 ? regs::FieldHelpForId(row->setting) : FillChipId(row->text);
}

} // namespace

std::string TooltipText(Application& app, Page* page, int control) {
    if (!app.tooltips.enabled) {
        return {};
    }
    if (page != nullptr) {
        if (std::optional<std::string> own = page->Tooltip(control)) {
            return *own;
        }
    }
    std::string help = regs::FieldHelpForControl(app.bindings, static_cast<std::uint32_t>(control));
    if (!help.empty()) {
        return help;
    }
    if (IsGpioPowerPin(control) && edit::PowerThroughGpo(app.session)) {
        return FixedText(app, IDC_POWER_PIN_8);
    }
    return FixedText(app, control);
}

} // namespace k7r::cfgui
