// PRC databases from anywhere: decoding must never read or write outside
// the file or its buffers, and a save must read back to the same record.
// The section codec must give back what it encoded.
#include "containers/container_kind.h"
#include "containers/prc_codec.h"
#include "containers/prc_container.h"
#include "tests/containers/container_builders.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void CheckCodec(std::span<const std::uint8_t> codes) {
    std::vector<std::uint8_t> section;
    if (!k7r::containers::DecodePrcSection(codes, section)) {
        return;
    }
    std::vector<std::uint8_t> encoded;
    k7r::containers::EncodePrcSection(section, encoded);
    encoded.push_back(0);
    std::vector<std::uint8_t> decoded;
    if (k7r::containers::DecodePrcSection(encoded, decoded) != encoded.size() ||
        decoded != section) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace k7r;
    const std::span<const std::uint8_t> file(data, size);
    CheckCodec(file);
    std::string_view message;
    HAL_STRUCT record;
    containers::FindRecordPrc(nullptr, containers::ImageSource(file), true, message);
    if (containers::FindRecordPrc(&record, containers::ImageSource(file), false, message) !=
        containers::kRecordFound) {
        return 0;
    }
    containers::ImageChange change;
    if (containers::WriteRecordPrc(containers::ImageSource(file), test::Writing(record), change,
                                   message) != containers::kRecordFound) {
        return 0;
    }
    const std::vector<std::uint8_t> saved = test::Changed(file, change);
    HAL_STRUCT again;
    if (saved.size() > size + containers::kGrowthRoom ||
        containers::FindRecordPrc(&again, containers::ImageSource(saved), false, message) !=
            containers::kRecordFound ||
        std::memcmp(&again, &record, sizeof record) != 0) {
        std::abort();
    }
    return 0;
}
