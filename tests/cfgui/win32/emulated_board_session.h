#pragma once

#include <string>

namespace k7r::cfgui::gui {

// What the programs that drive the window live on the board emulator set
// up before the window opens: the test image copied into DIRECTORY, the
// emulated board offered to the Direct tab with its panel picture written
// there, and the chip layer given a record of its own. The image's path as
// the window takes it.
std::string PrepareEmulatedBoard(const std::string& directory);

} // namespace k7r::cfgui::gui
