#pragma once

#include "cfgui/help_table.h"
#include "cfgui/page.h"
#include "cfgui/tabs.h"

#include <array>
#include <memory>
#include <span>

namespace k7r::cfgui {

class PageContext;

using PageFactory = std::unique_ptr<Page> (*)(PageContext& context);

// How a tab's page is made: its dialog template, its logic and the rows it
// adds to the control help table.
struct PageEntry {
    int templateId;
    PageFactory create;
    std::span<const HelpRow> helpRows;
};

using PageTable = std::array<PageEntry, kTabCount>;

// The utility's pages in tab order.
PageTable StandardPages();

} // namespace k7r::cfgui
