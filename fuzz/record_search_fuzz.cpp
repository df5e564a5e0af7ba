// The record search and adoption over arbitrary bytes, through every
// container kind: reading must never touch memory outside the image, and a
// save into the image must stay within its growth room.
#include "config/default_records.h"
#include "containers/config_image.h"
#include "containers/container_kind.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    k7r::WorkingConfig config(TemplateRecord);
    std::string_view message;
    if (k7r::ReadConfigImage(input, config, message)) {
        if (config.EntryCount < 0 || config.EntryCount > HAL_MAX_REGS) {
            std::abort();
        }
    } else if (message.empty()) {
        std::abort();
    }

    // Save the adopted (or template) record back, as a save in place would.
    std::vector<std::uint8_t> image(input.begin(), input.end());
    image.resize(size + k7r::kGrowthRoom);
    std::size_t length = size;
    const bool preserveAddresses = size % 2 == 1;
    if (k7r::WriteConfigImage(image, length, config.Record, preserveAddresses, message) &&
        length > image.size()) {
        std::abort();
    }
    return 0;
}
