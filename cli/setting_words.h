#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace k7r {
struct WorkingConfig;
}

// How the command line names settings and reads their values.
namespace k7r::cli {

// A setting named by its id or by its short name in any letter case. On
// failure, why, ready to print.
struct SettingName {
    std::uint32_t id = 0;
    std::string error;
};
SettingName FindSetting(std::string_view word);

struct SettingBounds {
    std::uint32_t min;
    std::uint32_t max;
    // A refusal names the range of a setting's own minimum and maximum; the
    // pages that bound the others refuse without one.
    bool named;
};
// The values a setting accepts: its own minimum and maximum, or, where it has
// none, what the page that edits it allows.
SettingBounds BoundsOf(WorkingConfig& config, std::uint32_t id);

// A number (decimal or 0x hex), a frequency with a unit ("25.175MHz", "kHz",
// "Hz") or one of the setting's list texts. None when the text is none of
// these.
std::optional<std::uint32_t> ParseSettingValue(WorkingConfig& config, std::uint32_t id,
                                               std::string_view text);

} // namespace k7r::cli
