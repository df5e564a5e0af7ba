#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

// The value lists that kFieldTable carries. Each receives the position of
// its own record, so one list serves every record of a kind.
namespace k7r::regs {

// ListFixed serves every list whose texts never change.
std::optional<std::string> ListFixed(config::WorkingConfig& config, std::size_t record,
                                     std::uint32_t item);
std::optional<std::string> ListDataWidth(config::WorkingConfig& config, std::size_t record,
                                         std::uint32_t item);
std::optional<std::string> ListBitsPerPixel(config::WorkingConfig& config, std::size_t record,
                                            std::uint32_t item);
std::optional<std::string> ListReservedZero(config::WorkingConfig& config, std::size_t record,
                                            std::uint32_t item);
std::optional<std::string> ListGpoControl(config::WorkingConfig& config, std::size_t record,
                                          std::uint32_t item);
std::optional<std::string> ListPowerOfTwoDivide(config::WorkingConfig& config, std::size_t record,
                                                std::uint32_t item);
std::optional<std::string> ListDutyCycle(config::WorkingConfig& config, std::size_t record,
                                         std::uint32_t item);
std::optional<std::string> ListRasterOperation(config::WorkingConfig& config, std::size_t record,
                                               std::uint32_t item);

} // namespace k7r::regs
