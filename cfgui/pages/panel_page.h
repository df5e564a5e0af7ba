#pragma once

#include "cfgui/help_table.h"
#include "cfgui/page.h"

#include <memory>
#include <span>

namespace k7r::cfgui {

class PageContext;

// The Panel tab: the panel type, the predefined panels, the timing features
// of the panel type with an editor for the chosen one, the frame rate and
// the pixel clock.
std::unique_ptr<Page> MakePanelPage(PageContext& context);

extern const std::span<const HelpRow> kPanelHelpRows;

} // namespace k7r::cfgui
