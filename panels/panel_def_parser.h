#pragma once

#include "panels/panel_def.h"

#include <optional>
#include <string_view>

namespace k7r::panels {

// Longest line the reader hands to the parser; longer lines arrive in pieces
// of this size.
inline constexpr std::size_t kMaxDefLineLength = 511;
inline constexpr std::size_t kMaxPanelNameLength = 78;

// "VERSION <n>": the file version, or nothing when the line is no VERSION
// line or holds no number.
std::optional<std::int32_t> ParseVersionLine(std::string_view line);

// Whether the line is a panel entry ("PANEL " at its start, case as written).
bool IsPanelLine(std::string_view line);

// Reads the 25 space-separated fields of a PANEL line. Fields missing at the
// end of a short line keep their fresh values (not given). Nothing when the
// name is not in double quotes or longer than 78 characters: such a file is
// rejected as a whole.
std::optional<PanelDef> ParsePanelLine(std::string_view line);

} // namespace k7r::panels
