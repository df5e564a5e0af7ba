#pragma once

#include "cfgui/page.h"

#include <memory>

namespace k7r::cfgui {

class PageContext;

// The page of a tab whose controls are not there yet: shows nothing, does
// nothing.
std::unique_ptr<Page> MakeEmptyPage(PageContext& context);

} // namespace k7r::cfgui
