#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

namespace k7r::cfgui {

// A setting's list texts as the pages' lists show them: GetFieldListText
// items 0, 1, 2, ... until the first that has none.
std::vector<std::string> SettingListTexts(config::WorkingConfig& config, std::uint32_t id);

} // namespace k7r::cfgui
