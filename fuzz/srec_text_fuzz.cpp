// S-record text from anywhere: parsing must never crash, and a save must
// give text that reads back to the same record and saves to itself again.
#include "containers/container_kind.h"
#include "containers/srec_container.h"

#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace k7r;
    const std::span<const std::uint8_t> text(data, size);
    std::string_view message;
    HAL_STRUCT record;
    FindRecordSrec(nullptr, text, true, message);
    if (FindRecordSrec(&record, text, false, message) != kRecordFound) {
        return 0;
    }
    std::vector<std::uint8_t> image(text.begin(), text.end());
    image.resize(size + kGrowthRoom);
    std::size_t length = size;
    if (WriteRecordSrec(record, image, length, message) != kRecordFound) {
        return 0;
    }
    HAL_STRUCT again;
    const std::span<const std::uint8_t> saved(image.data(), length);
    if (FindRecordSrec(&again, saved, false, message) != kRecordFound ||
        std::memcmp(&again, &record, sizeof record) != 0) {
        std::abort();
    }
    std::vector<std::uint8_t> second(saved.begin(), saved.end());
    second.resize(length + kGrowthRoom);
    std::size_t secondLength = length;
    if (WriteRecordSrec(record, second, secondLength, message) != kRecordFound ||
        secondLength != length || std::memcmp(second.data(), saved.data(), length) != 0) {
        std::abort();
    }
    return 0;
}
