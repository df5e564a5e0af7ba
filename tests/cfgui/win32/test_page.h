#pragma once

#include "cfgui/pages/page_registry.h"

#include <string>
#include <vector>

namespace k7r::cfgui::gui {

// The setting the test page's field shows.
inline constexpr std::uint32_t kTestSetting = 67; // Horz Total

// What the test page was told, one line an event: "9006 Clicked",
// "9004 list Enter 1", "9005 scroll ThumbPosition 40".
std::vector<std::string>& TestPageEvents();

// The standard pages with tab 0 replaced by the test page: its field bound
// to kTestSetting reports a refused entry as the real pages do; every
// other control's events are logged. It opens with a two-line list (the
// second line selected) and a 0 to 100 slider attached to the next field
// in steps of 8, and draws its note dark red.
PageTable PagesWithTestPage();

} // namespace k7r::cfgui::gui
