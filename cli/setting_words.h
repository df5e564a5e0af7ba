#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// How the command line names settings; their values are read by the
// editing core, as the utility's pages read them.
namespace k7r::cli {

// A setting named by its id or by its short name in any letter case. On
// failure, why, ready to print.
struct SettingName {
    std::uint32_t id = 0;
    std::string error;
};
SettingName FindSetting(std::string_view word);

} // namespace k7r::cli
