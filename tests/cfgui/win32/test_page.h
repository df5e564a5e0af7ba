#pragma once

#include "cfgui/pages/page_registry.h"

namespace k7r::cfgui::gui {

// The setting the test page's field shows.
inline constexpr std::uint32_t kTestSetting = 67; // Horz Total

// What the test page was told last by its list and its slider.
struct TestPageEvents {
    int listEvents = 0;
    ListEvent lastListEvent = ListEvent::Click;
    int lastLine = -2;
    int scrollEvents = 0;
    int lastPosition = -1;
};
TestPageEvents& TestPageLog();

// The standard pages with tab 0 replaced by a page of one field bound to
// kTestSetting, which reports a refused entry as the real pages do, with a
// two-line list and a 0 to 100 slider attached to the field in steps of 8.
PageTable PagesWithTestPage();

} // namespace k7r::cfgui::gui
