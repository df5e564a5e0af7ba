#include "tests/containers/test_records.h"

#include "config/byte_order.h"
#include "config/default_records.h"
#include "config/record.h"
#include "containers/container_kind.h"

#include <cstring>

namespace k7r::test {

HAL_STRUCT ConfiguredRecord(std::uint32_t clock) {
    HAL_STRUCT record = TemplateRecord;
    record.ClkI = clock;
    record.Crc = ComputeRecordCrc(record);
    return record;
}

HAL_STRUCT OutgoingRecord(const HAL_STRUCT& hostRecord, bool bigEndian) {
    HAL_STRUCT record = hostRecord;
    if (bigEndian) {
        ByteSwapRecord(record);
    }
    const std::uint16_t crc = ComputeRecordCrc(record);
    record.Crc = bigEndian ? Swap16(crc) : crc;
    return record;
}

std::span<const std::uint8_t> BytesOf(const HAL_STRUCT& record) {
    return {reinterpret_cast<const std::uint8_t*>(&record), sizeof record};
}

std::span<const std::uint8_t> BytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string_view TextOf(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

std::vector<std::uint8_t> WithGrowthRoom(std::span<const std::uint8_t> file) {
    std::vector<std::uint8_t> image(file.begin(), file.end());
    image.resize(file.size() + kGrowthRoom);
    return image;
}

} // namespace k7r::test
