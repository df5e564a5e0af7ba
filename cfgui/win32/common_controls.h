#pragma once

#include <windows.h>

#include <cstdint>

namespace k7r::cfgui::win32 {

// major * 256 + minor; 4.71 is the oldest the utility works with.
inline constexpr std::uint32_t kRequiredCommonControls = 4 * 256 + 71;

// The common-controls library's version; 4.00 when it cannot be asked.
std::uint32_t CommonControlsVersion();

// Offers to end the program and update the common controls. The utility
// carries no updater, so a Yes ends in the failure message.
void OfferCommonControlsUpdate(HWND owner, std::uint32_t foundVersion);

} // namespace k7r::cfgui::win32
