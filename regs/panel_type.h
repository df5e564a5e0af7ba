#pragma once

#include <cstddef>
#include <cstdint>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

// The panel type settings and what follows from them: the power pin family
// and the GPIO and GPO registers. The operations take the position of their
// own record in kFieldTable.
namespace k7r::regs {

// Composite panel type values (setting 24): the basic types, then the
// extended types 1 to 4 as 4 to 7.
inline constexpr std::uint32_t kPanelStn = 0;
inline constexpr std::uint32_t kPanelTft = 1;
inline constexpr std::uint32_t kPanelHrTft = 2;
inline constexpr std::uint32_t kPanelExtendedBase = 3;

// Panel type: the composite (24), the basic (44) and extended (82) fields.
std::uint32_t GetCompositePanelType(config::WorkingConfig& config, std::size_t record);
void SetCompositePanelType(config::WorkingConfig& config, std::size_t record, std::uint32_t value);
void SetBasicPanelType(config::WorkingConfig& config, std::size_t record, std::uint32_t value);
void SetExtendedPanelType(config::WorkingConfig& config, std::size_t record, std::uint32_t value);

// True when the panel type switches panel power through a GPO pin (its GPIO
// pins carry panel signals): STN, HR-TFT and the extended types up to 6.
bool PanelUsesGpio(std::uint32_t panelType);

// Rewrites the GPIO registers from the panel type, clock chip, USB and the
// GPIO power pin: the pins' directions and the power pin after the delay.
void RecomputeGpio(config::WorkingConfig& config);
// Switches the GPO power pin on after the power-on delay, for panel types
// that use GPO power.
void RecomputeGpoPower(config::WorkingConfig& config);

} // namespace k7r::regs
