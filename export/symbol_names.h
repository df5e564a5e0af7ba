#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// C expressions and identifiers that the generated headers build from
// numbers and register identifiers, in the generated files' own spelling
// and order (the record's own flag listing keeps bit order).
namespace k7r::exporter {

// The HAL flags bits 3 to 9; the others are always clear.
inline constexpr std::uint32_t kNamedFlags = 0x03F8;

// The set HAL flags among bits 3 to 9 joined by "|", or "0" when none is set.
std::string FlagNames(std::uint32_t flags);

// The set mode flags joined by "|", followed by "mfR<angle>" for a rotated
// display, or "0" when there is nothing to name.
std::string ModeFlagNames(std::uint32_t flags, std::uint32_t swivelDegrees);

// REG0010_DISPLAY_SETTINGS style pieces joined in mixed case
// (DISPLAY_SETTINGS gives DisplaySettings); known abbreviations keep their
// own spelling (PANEL_TYPE_MOD_RATE gives PanelTypeMODRate).
std::string CamelName(std::string_view identifier);

} // namespace k7r::exporter
