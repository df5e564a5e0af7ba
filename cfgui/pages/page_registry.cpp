#include "cfgui/pages/page_registry.h"

#include "cfgui/application.h"
#include "cfgui/pages/clocks_page.h"
#include "cfgui/pages/direct_page.h"
#include "cfgui/pages/general_page.h"
#include "cfgui/pages/panel_page.h"
#include "cfgui/pages/panel_power_page.h"
#include "cfgui/pages/preferences_page.h"
#include "cfgui/pages/registers_page.h"
#include "cfgui/resource.h"

namespace k7r::cfgui {

PageTable StandardPages() {
    return {{
        {IDD_GENERAL, MakeGeneralPage, kGeneralHelp},
        {IDD_PREFERENCES, MakePreferencesPage, kPreferencesHelp},
        {IDD_CLOCKS, MakeClocksPage, kClocksHelp},
        {IDD_PANEL, MakePanelPage, kPanelHelpRows},
        {IDD_PANEL_POWER, MakePanelPowerPage, kPanelPowerHelpRows},
        {IDD_REGISTERS, MakeRegistersPage, {}},
        {IDD_DIRECT, MakeDirectPage, kDirectHelp},
    }};
}

void GatherHelp(Application& app, const PageTable& pages) {
    app.help.Add(kShellHelpRows);
    for (const PageEntry& page : pages) {
        app.help.Add(page.helpRows);
    }
    app.help.Bind(app.bindings);
}

} // namespace k7r::cfgui
