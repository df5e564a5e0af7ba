#include "config/record.h"

#include "config/byte_order.h"

namespace k7r::config {

std::uint16_t Crc16(std::span<const std::uint8_t> bytes, std::uint16_t crc) {
    for (std::uint8_t byte : bytes) {
        unsigned t = ((crc >> 8) ^ byte) & 0xFFu;
        t ^= t >> 4;
        crc = static_cast<std::uint16_t>((crc << 8) ^ (t << 12) ^ (t << 5) ^ t);
    }
    return crc;
}

std::uint16_t ComputeRecordCrc(const std::uint8_t* recordBytes) {
    return Crc16({recordBytes + kCrcFirstByte, kCrcByteCount});
}

std::uint16_t ComputeRecordCrc(const HAL_STRUCT& record) {
    return ComputeRecordCrc(reinterpret_cast<const std::uint8_t*>(&record));
}

std::uint16_t ComputeRecordCrc(const HAL_STRUCT& hostRecord, std::endian storedOrder) {
    if (storedOrder == std::endian::native) {
        return ComputeRecordCrc(hostRecord);
    }
    HAL_STRUCT stored = hostRecord;
    ByteSwapRecord(stored);
    return ComputeRecordCrc(stored);
}

void ByteSwapRecord(HAL_STRUCT& record) {
    for (HAL_U16* field :
         {&record.Size, &record.Crc, &record.EndianMark, &record.FrameRate, &record.PowerOffTime,
          &record.PowerOnTime, &record.GpioPowerMask, &record.GpoPowerMask}) {
        *field = Swap16(*field);
    }
    for (HAL_U32* field : {&record.ClkI, &record.ClkI2, &record.RegPhysAddr, &record.MemPhysAddr,
                           &record.RequiredVram, &record.Flags}) {
        *field = Swap32(*field);
    }
    for (RegEntry& entry : record.Regs) {
        entry.Index = Swap32(entry.Index);
        entry.Value = Swap32(entry.Value);
    }
}

RecordState CheckRecord(const HAL_STRUCT& record) {
    if (record.Crc == 0) {
        return RecordState::NotConfigured;
    }
    return ComputeRecordCrc(record) == record.Crc ? RecordState::Configured
                                                  : RecordState::Corrupted;
}

int CountEntries(const HAL_STRUCT& record) {
    for (int position = 0; position < HAL_MAX_REGS; ++position) {
        if (record.Regs[position].Index == riREGEND) {
            return position;
        }
    }
    return HAL_MAX_REGS;
}

int FindEntry(const HAL_STRUCT& record, std::uint32_t index) {
    const int end = CountEntries(record);
    for (int position = end - 1; position >= 0; --position) {
        if (record.Regs[position].Index == index) {
            return position;
        }
    }
    return end;
}

} // namespace k7r::config
