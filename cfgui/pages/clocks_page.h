#pragma once

#include "cfgui/help_table.h"
#include "cfgui/page.h"

#include <memory>
#include <span>

namespace k7r::cfgui {

class PageContext;

// The Clocks tab: input clock frequencies, clock sources and divides, and
// the PWM clock with its duty cycle.
std::unique_ptr<Page> MakeClocksPage(PageContext& context);
extern const std::span<const HelpRow> kClocksHelp;

} // namespace k7r::cfgui
