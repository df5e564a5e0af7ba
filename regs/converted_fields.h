#pragma once

#include <cstddef>
#include <cstdint>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

// Operations that kFieldTable carries for fields shown otherwise than their
// register bits hold them. Each receives the position of its own record, so
// one operation serves every record of a kind.
namespace k7r::regs {

// Fields shown as (raw + add) * scale: 29, 67, 68, 71 to 74, 77, 136 to 142,
// 151 to 162, 181 to 183.
std::uint32_t GetLinear(config::WorkingConfig& config, std::size_t record);
std::uint32_t MinLinear(config::WorkingConfig& config, std::size_t record);
std::uint32_t MaxLinear(config::WorkingConfig& config, std::size_t record);
void SetLinear(config::WorkingConfig& config, std::size_t record, std::uint32_t value);
std::uint32_t MinHorzDisplay(config::WorkingConfig& config, std::size_t record);

// Horizontal start (69), shown with the panel type's start bias.
std::uint32_t GetHorzStart(config::WorkingConfig& config, std::size_t record);
std::uint32_t MinHorzStart(config::WorkingConfig& config, std::size_t record);
std::uint32_t MaxHorzStart(config::WorkingConfig& config, std::size_t record);
void SetHorzStart(config::WorkingConfig& config, std::size_t record, std::uint32_t value);

std::uint32_t GetDisplayBufferSize(config::WorkingConfig& config, std::size_t record);
std::uint32_t GetPclkDivide(config::WorkingConfig& config, std::size_t record);
void SetPclkDivide(config::WorkingConfig& config, std::size_t record, std::uint32_t value);
std::uint32_t GetDataWidth(config::WorkingConfig& config, std::size_t record);
void SetDataWidth(config::WorkingConfig& config, std::size_t record, std::uint32_t value);
std::uint32_t GetSwivelView(config::WorkingConfig& config, std::size_t record);
void SetSwivelView(config::WorkingConfig& config, std::size_t record, std::uint32_t value);
std::uint32_t GetPwmDivide(config::WorkingConfig& config, std::size_t record);
void SetPwmDivide(config::WorkingConfig& config, std::size_t record, std::uint32_t value);

// Start addresses (79, 83) in bytes as the user sees them, corrected by the
// SwivelView offset; line offsets (80, 84) in bytes.
std::uint32_t GetStartAddress(config::WorkingConfig& config, std::size_t record);
std::uint32_t MaxMainStart(config::WorkingConfig& config, std::size_t record);
void SetStartAddress(config::WorkingConfig& config, std::size_t record, std::uint32_t value);
std::uint32_t GetLineOffset(config::WorkingConfig& config, std::size_t record);
std::uint32_t MaxLineOffset(config::WorkingConfig& config, std::size_t record);
void SetLineOffset(config::WorkingConfig& config, std::size_t record, std::uint32_t value);

} // namespace k7r::regs
