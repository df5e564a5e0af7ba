#pragma once

#include "cfgui/help_table.h"
#include "cfgui/page.h"

#include <memory>
#include <span>

namespace k7r::cfgui {

class PageContext;

// The General tab: where the chip sits in the target's address space, and
// the USB and clock chip support that reserve GPIO pins.
std::unique_ptr<Page> MakeGeneralPage(PageContext& context);
extern const std::span<const HelpRow> kGeneralHelp;

} // namespace k7r::cfgui
