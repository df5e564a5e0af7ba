#pragma once

#include "config/working_config.h"

#include <initializer_list>

namespace k7r::test {

// The utility's template: 320 x 240 at 8 bpp, no rotation.
config::WorkingConfig TemplateConfig();

// The template turned by SwivelView 90, pixel-doubled horizontally, at
// 16 bpp, with the layout recomputed as the Preferences tab does, as read
// back from a program image it was saved into.
config::WorkingConfig RotatedConfig();

// A configuration whose register table holds exactly these entries before
// riREGEND.
config::WorkingConfig ConfigWithEntries(std::initializer_list<RegEntry> entries);

} // namespace k7r::test
