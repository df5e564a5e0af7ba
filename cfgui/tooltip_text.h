#pragma once

#include <string>

namespace k7r::cfgui {

struct Application;
class Page;

// The text of a control's tip when it is about to show, from the first of:
// nothing while tips are off; the open page's own text (its hot line); the
// help of the setting the control shows; the GPO pins' text for the power
// pins while the panel type switches power through GPO; the help table's
// fixed text, or the help of the setting its row names. The edit part of a drop-down list asks
// under its list's id.
std::string TooltipText(Application& app, Page* page, int control);

} // namespace k7r::cfgui
