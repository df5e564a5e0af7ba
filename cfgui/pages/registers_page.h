#pragma once

#include "cfgui/page.h"

#include <memory>

namespace k7r::cfgui {

class PageContext;

// The "Registers" tab: the register table in programming order (the chip's
// registers while live), one line per entry with the registers changed by
// hand marked, a line opened in the Modify Register dialog by a double
// click or Enter, and the lines refreshed on the live timer's ticks.
std::unique_ptr<Page> MakeRegistersPage(PageContext& context);

} // namespace k7r::cfgui
