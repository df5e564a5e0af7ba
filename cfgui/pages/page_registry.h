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

struct Application;
// The help rows of the shell and of every page into the application's help
// table, and the settings among them bound to their controls.
void GatherHelp(Application& app, const PageTable& pages);

} // namespace k7r::cfgui
