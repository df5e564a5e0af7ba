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
    FindRecordSrec(nullptr, ImageSource(text), true, message);
    if (FindRecordSrec(&record, ImageSource(text), false, message) != kRecordFound) {
        return 0;
    }
    ImageChange change;
    if (WriteRecordSrec(ImageSource(text), test::Writing(record), change, message) !=
        kRecordFound) {
        return 0;
    }
    const std::vector<std::uint8_t> saved = test::Changed(text, change);
    HAL_STRUCT again;
    if (saved.size() > size + kGrowthRoom ||
        FindRecordSrec(&again, ImageSource(saved), false, message) != kRecordFound ||
        std::memcmp(&again, &record, sizeof record) != 0) {
        std::abort();
    }
    ImageChange second;
    if (WriteRecordSrec(ImageSource(saved), test::Writing(record), second, message) !=
            kRecordFound ||
        test::Changed(saved, second) != saved) {
        std::abort();
    }
    return 0;
}
