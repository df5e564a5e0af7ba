#pragma once

#include <string>
#include <string_view>

namespace k7r::exporter {

// "//" and 66 "=": the rule that opens and closes the C header banners.
inline constexpr std::string_view kBannerRule =
    "//==================================================================";

// Appends one LF-terminated line.
inline void AppendLine(std::string& text, std::string_view line) {
    text += line;
    text += '\n';
}

} // namespace k7r::exporter
