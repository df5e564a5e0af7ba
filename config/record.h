#pragma once

#include "config/hal_struct.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

namespace k7r::config {

// The CRC covers ChipId to the end of the record, so the marker, the
// description, Size and Crc itself can change without invalidating it.
inline constexpr std::size_t kCrcFirstByte = offsetof(HAL_STRUCT, ChipId);
inline constexpr std::size_t kCrcByteCount = HAL_RECORD_SIZE - kCrcFirstByte;
// The marker with its NUL: what a file search compares.
inline constexpr std::size_t kMarkerLength = 14;
inline constexpr std::uint16_t kSwappedEndianMark = 0x3412;

// CRC-16 with polynomial 1021h, no reflection and no final XOR; starting from
// FFFFh it is the CCITT-FALSE parameter set (check value 29B1h).
std::uint16_t Crc16(std::span<const std::uint8_t> bytes, std::uint16_t crc = 0xFFFF);

// The CRC of bytes 276 to 855 exactly as they are stored in memory.
std::uint16_t ComputeRecordCrc(const HAL_STRUCT& record);
std::uint16_t ComputeRecordCrc(const std::uint8_t* recordBytes);

// The CRC of a host-order record as a target of the given byte order stores
// it: computed over the bytes that target holds, not over the host's.
std::uint16_t ComputeRecordCrc(const HAL_STRUCT& hostRecord, std::endian storedOrder);

// Converts every numeric field, including all 67 table entries, between the
// two byte orders in place; strings stay as they are. Applying it twice
// restores the bytes exactly.
void ByteSwapRecord(HAL_STRUCT& record);

enum class RecordState { Configured, NotConfigured, Corrupted };

// For a record in host byte order.
RecordState CheckRecord(const HAL_STRUCT& record);

// Position of the first riREGEND entry, which is the number of entries before
// it. A table without an end marker among its 67 entries yields 67: every
// entry is a real one and there is no end entry to stand in for registers the
// table does not list.
int CountEntries(const HAL_STRUCT& record);

// Position of the last entry with that index before the end, or the end
// position when there is none.
int FindEntry(const HAL_STRUCT& record, std::uint32_t index);

} // namespace k7r::config
