#pragma once

#include "cfgui/help_table.h"
#include "cfgui/page.h"

#include <memory>
#include <span>

namespace k7r::cfgui {

class PageContext;

// The "Direct" tab: initializing the evaluation board's chip from the
// configuration with the options chosen for the run, keeping it in step
// with every change ("Hot to Chip"), the test pattern and its redraw after
// changes, and shutting the chip down.
std::unique_ptr<Page> MakeDirectPage(PageContext& context);

// The tab's rows of the control help table.
extern const std::span<const HelpRow> kDirectHelp;

} // namespace k7r::cfgui
