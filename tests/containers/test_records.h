#pragma once

#include "config/hal_struct.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace k7r::test {

// The template record in host order, configured, with the given input clock
// so that records of different tests differ.
HAL_STRUCT ConfiguredRecord(std::uint32_t clock);

// A record in a file's byte order with its Crc filled in, as a save hands
// it to a container kind.
HAL_STRUCT OutgoingRecord(const HAL_STRUCT& hostRecord, bool bigEndian);

std::span<const std::uint8_t> BytesOf(const HAL_STRUCT& record);
std::span<const std::uint8_t> BytesOf(std::string_view text);
std::string_view TextOf(std::span<const std::uint8_t> bytes);

// A file's bytes followed by the room a save maps behind them.
std::vector<std::uint8_t> WithGrowthRoom(std::span<const std::uint8_t> file);

} // namespace k7r::test
