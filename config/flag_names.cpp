#include "config/flag_names.h"

namespace k7r::config {

std::string FlagNames(HAL_U32 flags) {
    std::string names;
    for (const FlagName& flag : kFlagNames) {
        if ((flags & flag.bit) != 0) {
            if (!names.empty()) {
                names += '|';
            }
            names += flag.name;
        }
    }
    return names.empty() ? "0" : names;
}

} // namespace k7r::config
