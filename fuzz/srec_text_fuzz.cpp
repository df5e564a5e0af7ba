// S-record text from anywhere: parsing must never crash, and a save must
// give text that reads back to the same record and saves to itself again.
#include "containers/container_kind.h"
#include "containers/srec_container.h"
#include "tests/containers/container_builders.h"

#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace k7r;
    const std::span<const std::uint8_t> text(data, size);
    std::string_view message;
    HAL_STRUCT record;
    containers::FindRecordSrec(nullptr, containers::ImageSource(text), true, message);
    if (containers::FindRecordSrec(&record, containers::ImageSource(text), false, message) !=
        containers::kRecordFound) {
        return 0;
    }
    containers::ImageChange change;
    if (containers::WriteRecordSrec(containers::ImageSource(text), test::Writing(record), change,
                                    message) != containers::kRecordFound) {
        return 0;
    }
    const std::vector<std::uint8_t> saved = test::Changed(text, change);
    HAL_STRUCT again;
    if (saved.size() > size + containers::kGrowthRoom ||
        containers::FindRecordSrec(&again, containers::ImageSource(saved), false, message) !=
            containers::kRecordFound ||
        std::memcmp(&again, &record, sizeof record) != 0) {
        std::abort();
    }
    containers::ImageChange second;
    if (containers::WriteRecordSrec(containers::ImageSource(saved), test::Writing(record), second,
                                    message) != containers::kRecordFound ||
        test::Changed(saved, second) != saved) {
        std::abort();
    }
    return 0;
}
