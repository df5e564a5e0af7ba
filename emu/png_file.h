#pragma once

#include "emu/panel_picture.h"

#include <string>

namespace k7r::emu {

// Writes an 8-bit RGB PNG; an empty string on success, else the reason.
std::string WritePng(const std::string& path, const Picture& picture);

} // namespace k7r::emu
