#pragma once

#include "cfgui/help_table.h"
#include "cfgui/page.h"

#include <memory>
#include <span>

namespace k7r::cfgui {

class PageContext;

// The Panel Power tab: whether and through which pin the software switches
// the LCD bias power, and the two power sequencing delays.
std::unique_ptr<Page> MakePanelPowerPage(PageContext& context);

extern const std::span<const HelpRow> kPanelPowerHelpRows;

} // namespace k7r::cfgui
