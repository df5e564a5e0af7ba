#pragma once

#include "edit/edit_session.h"

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

// How `set` takes the setting's value, in the words a refusal adds below the
// page's message ("Allowed values: 1, 2, 4, 8, 16."): the editing core's
// answer, on a scratch copy of the session, to a text that no setting
// takes. Empty for the description, which takes any text, and for settings
// that cannot be set in this configuration.
std::string AcceptedValues(const edit::EditSession& session, std::uint32_t id);

} // namespace k7r::cli
