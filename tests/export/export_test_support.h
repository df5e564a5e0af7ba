#pragma once

#include "config/working_config.h"

#include <initializer_list>
#include <string_view>

namespace k7r::test {

// The configuration a golden directory is named after: "template", the
// utility's template (320 x 240 at 8 bpp, no rotation), or "rotated", the
// template turned by SwivelView 90, pixel-doubled horizontally, at 16 bpp,
// with the layout recomputed as the Preferences tab does, as read back from
// a program image it was saved into.
config::WorkingConfig NamedConfig(std::string_view name);

// A configuration whose register table holds exactly these entries before
// riREGEND.
config::WorkingConfig ConfigWithEntries(std::initializer_list<RegEntry> entries);

} // namespace k7r::test
