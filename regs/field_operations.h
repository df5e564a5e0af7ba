#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The per-record operations that kFieldTable carries. Each receives the
// position of its own record, so one operation serves every record of a kind.
namespace k7r {

struct WorkingConfig;

// HAL_STRUCT header fields and flags (ids 1 to 18).
std::uint32_t GetRecordSetting(WorkingConfig& config, std::size_t record);
void SetRecordSetting(WorkingConfig& config, std::size_t record, std::uint32_t value);
std::uint32_t MaxDescription(WorkingConfig& config, std::size_t record);

// Quantities derived from other settings (ids 19 to 23); they cannot be set.
std::uint32_t GetPixelClock(WorkingConfig& config, std::size_t record);
std::uint32_t GetMemoryClock(WorkingConfig& config, std::size_t record);
std::uint32_t GetBusClock(WorkingConfig& config, std::size_t record);
std::uint32_t GetPwmClock(WorkingConfig& config, std::size_t record);
std::uint32_t GetAvailableMemory(WorkingConfig& config, std::size_t record);
void IgnoreSet(WorkingConfig& config, std::size_t record, std::uint32_t value);

// Panel type: the composite (24), the basic (44) and extended (82) fields.
std::uint32_t GetCompositePanelType(WorkingConfig& config, std::size_t record);
void SetCompositePanelType(WorkingConfig& config, std::size_t record, std::uint32_t value);
void SetBasicPanelType(WorkingConfig& config, std::size_t record, std::uint32_t value);
void SetExtendedPanelType(WorkingConfig& config, std::size_t record, std::uint32_t value);

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

// Value lists. ListFixed serves every list whose texts never change.
std::optional<std::string> ListFixed(WorkingConfig& config, std::size_t record, std::uint32_t item);
std::optional<std::string> ListDataWidth(WorkingConfig& config, std::size_t record,
                                         std::uint32_t item);
std::optional<std::string> ListBitsPerPixel(WorkingConfig& config, std::size_t record,
                                            std::uint32_t item);
std::optional<std::string> ListReservedZero(WorkingConfig& config, std::size_t record,
                                            std::uint32_t item);
std::optional<std::string> ListGpoControl(WorkingConfig& config, std::size_t record,
                                          std::uint32_t item);
std::optional<std::string> ListPowerOfTwoDivide(WorkingConfig& config, std::size_t record,
                                                std::uint32_t item);
std::optional<std::string> ListDutyCycle(WorkingConfig& config, std::size_t record,
                                         std::uint32_t item);
std::optional<std::string> ListRasterOperation(WorkingConfig& config, std::size_t record,
                                               std::uint32_t item);

} // namespace k7r
