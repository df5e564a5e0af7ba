#pragma once

#include "config/hal_struct.h"
#include "containers/config_file.h"

#include <cstddef>
#include <functional>
#include <limits>
#include <span>
#include <string>

namespace k7r::containers {

// How many failed saves of a run show their message as it comes: a run over
// thousands of files must not bury the user under as many message boxes.
inline constexpr std::size_t kShownFailures = 10;
// Every failure shows its message, where messages cost nothing to dismiss.
inline constexpr std::size_t kAllFailuresShown = std::numeric_limits<std::size_t>::max();

struct ConfigureSummary {
    // "Summary of configured files:\n\n", then per file, in list order,
    // "OK" or "Error", a tab, the path and a new line; then, when failures
    // past the shown ones had messages, a note saying so and those messages.
    std::string text;
    std::size_t files = 0;
    std::size_t failures = 0;
};

// Told before each file is saved: its position in the list, from 0, and
// the number of files.
using ConfigureProgress = std::function<void(std::size_t index, std::size_t count)>;

// Configure Multiple: saves the working record into each file in place, in
// list order, optionally keeping each file's own physical addresses. A file
// that cannot be saved has its reason shown, up to `shownFailures` files,
// later ones in the summary; the others are still done.
ConfigureSummary ConfigureFiles(std::span<const std::string> paths, const HAL_STRUCT& working,
                                bool preserveAddresses, const MessageSink& show,
                                const ConfigureProgress& progress = {},
                                std::size_t shownFailures = kShownFailures);

} // namespace k7r::containers
