#pragma once

#include <string_view>

// The maker's notices that every generated file carries.
namespace k7r::exporter {

// Follows the comment opener of each file kind ("//  ", "**  ") or stands
// alone in the CSV header.
inline constexpr std::string_view kRightsNotice = "Copyright (c) 2000, 2001 Tavex.";

// The HTML page's closing notices; the trademark sentence is finished by the
// page itself ("property of their respective owners.").
inline constexpr std::string_view kHtmlNotices =
    "Copyright (c) 2000, 2001 Tavex. All rights reserved.<BR>"
    "The information in this reference is subject to change without notice and is provided "
    "as is, without warranty of any kind.<BR>"
    "Tavex products may be covered by patents and pending patent applications.<BR>"
    "Tavex and K7R58C22 are trademarks of Tavex. All other trademarks are the ";

} // namespace k7r::exporter
