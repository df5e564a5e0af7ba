#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The value lists that kFieldTable carries. Each receives the position of
// its own record, so one list serves every record of a kind.
namespace k7r {

struct WorkingConfig;

// ListFixed serves every list whose texts never change.
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
