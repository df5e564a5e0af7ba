#pragma once

#include <cstddef>
#include <cstdint>

// Operations that kFieldTable carries for fields shown otherwise than their
// register bits hold them. Each receives the position of its own record, so
// one operation serves every record of a kind.
namespace k7r {

struct WorkingConfig;

// Fields shown as (raw + add) * scale: 29, 67, 68, 71 to 74, 77, 136 to 142,
// 151 to 162, 181 to 183.
std::uint32_t GetLinear(WorkingConfig& config, std::size_t record);
std::uint32_t MinLinear(WorkingConfig& config, std::size_t record);
std::uint32_t MaxLinear(WorkingConfig& config, std::size_t record);
void SetLinear(WorkingConfig& config, std::size_t record, std::uint32_t value);
std::uint32_t MinHorzDisplay(WorkingConfig& config, std::size_t record);

// Horizontal start (69), shown with the panel type's start bias.
std::uint32_t GetHorzStart(WorkingConfig& config, std::size_t record);
std::uint32_t MinHorzStart(WorkingConfig& config, std::size_t record);
std::uint32_t MaxHorzStart(WorkingConfig& config, std::size_t record);
void SetHorzStart(WorkingConfig& config, std::size_t record, std::uint32_t value);

std::uint32_t GetDisplayBufferSize(WorkingConfig& config, std::size_t record);
std::uint32_t GetPclkDivide(WorkingConfig& config, std::size_t record);
void SetPclkDivide(WorkingConfig& config, std::size_t record, std::uint32_t value);
std::uint32_t GetDataWidth(WorkingConfig& config, std::size_t record);
void SetDataWidth(WorkingConfig& config, std::size_t record, std::uint32_t value);
std::uint32_t GetSwivelView(WorkingConfig& config, std::size_t record);
void SetSwivelView(WorkingConfig& config, std::size_t record, std::uint32_t value);
std::uint32_t GetPwmDivide(WorkingConfig& config, std::size_t record);
void SetPwmDivide(WorkingConfig& config, std::size_t record, std::uint32_t value);

// Start addresses (79, 83) in bytes as the user sees them, corrected by the
// SwivelView offset; line offsets (80, 84) in bytes.
std::uint32_t GetStartAddress(WorkingConfig& config, std::size_t record);
std::uint32_t MaxMainStart(WorkingConfig& config, std::size_t record);
void SetStartAddress(WorkingConfig& config, std::size_t record, std::uint32_t value);
std::uint32_t GetLineOffset(WorkingConfig& config, std::size_t record);
std::uint32_t MaxLineOffset(WorkingConfig& config, std::size_t record);
void SetLineOffset(WorkingConfig& config, std::size_t record, std::uint32_t value);

} // namespace k7r
