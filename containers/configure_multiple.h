#pragma once

#include "config/hal_struct.h"
#include "containers/config_file.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>

namespace k7r::containers {

struct ConfigureSummary {
    // "Summary of configured files:\n\n", then per file, in list order,
    // "OK" or "Error", a tab, the path and a new line.
    std::string text;
    std::size_t failures = 0;
};

// Told before each file is saved: its position in the list, from 0, and
// the number of files.
using ConfigureProgress = std::function<void(std::size_t index, std::size_t count)>;

// Configure Multiple: saves the working record into each file in place, in
// list order, optionally keeping each file's own physical addresses. A file
// that cannot be saved has its reason shown and the others are still done.
ConfigureSummary ConfigureFiles(std::span<const std::string> paths, const HAL_STRUCT& working,
                                bool preserveAddresses, const MessageSink& show,
                                const ConfigureProgress& progress = {});

} // namespace k7r::containers
