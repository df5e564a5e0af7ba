#pragma once

#include "cfgui/help_table.h"
#include "cfgui/page.h"

#include <memory>
#include <span>

namespace k7r::cfgui {

class PageContext;

// The Preferences tab: colour depth, SwivelView, pixel doubling and the
// configuration's description.
std::unique_ptr<Page> MakePreferencesPage(PageContext& context);
extern const std::span<const HelpRow> kPreferencesHelp;

} // namespace k7r::cfgui
