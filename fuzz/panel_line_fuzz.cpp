// Panel definition lines from anywhere, as the reader hands them over (at
// most 511 characters): parsing must stay within the line, keep names to 78
// characters, and every entry must match itself and qualify with one line
// of reasons.
#include "panels/panel_def_matches.h"
#include "panels/panel_def_parser.h"
#include "panels/qualification.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line("PANEL " + std::string(reinterpret_cast<const char*>(data), size), 0,
                           k7r::panels::kMaxDefLineLength);
    const std::optional<k7r::panels::PanelDef> def = k7r::panels::ParsePanelLine(line);
    k7r::panels::ParseVersionLine("VERSION " + line.substr(6));
    if (!def) {
        return 0;
    }
    if (def->name.size() > k7r::panels::kMaxPanelNameLength ||
        !k7r::panels::PanelDefMatches(*def, *def)) {
        std::abort();
    }
    const std::optional<std::string> reason = k7r::panels::DisqualifyPanel(*def);
    if (reason && !reason->ends_with(".\n")) {
        std::abort();
    }
    return 0;
}
