#pragma once

#include "cfgui/pages/page_registry.h"

namespace k7r::cfgui::gui {

// The setting the test page's field shows.
inline constexpr std::uint32_t kTestSetting = 67; // Horz Total

// The standard pages with tab 0 replaced by a page of one field bound to
// kTestSetting, which reports a refused entry as the real pages do.
PageTable PagesWithTestPage();

} // namespace k7r::cfgui::gui
