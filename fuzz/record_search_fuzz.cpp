// The record search and adoption over arbitrary bytes, through every
// container kind: reading must never touch memory outside the image, and a
// save's change must fit the image and stay within the growth room.
#include "config/default_records.h"
#include "containers/config_image.h"
#include "containers/container_kind.h"
#include "tests/containers/container_builders.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const k7r::containers::ImageSource input(std::span<const std::uint8_t>(data, size));
    k7r::config::WorkingConfig config(TemplateRecord);
    std::string_view message;
    if (k7r::containers::ReadConfigImage(input, config, message)) {
        if (config.EntryCount < 0 || config.EntryCount > HAL_MAX_REGS) {
            std::abort();
        }
    } else if (message.empty()) {
        std::abort();
    }

    // Save the adopted (or template) record back, as a save in place would.
    const bool preserveAddresses = size % 2 == 1;
    k7r::containers::ImageChange change;
    if (!k7r::containers::WriteConfigImage(input, config.Record, preserveAddresses, change,
                                           message)) {
        return 0;
    }
    if (const auto* patch = std::get_if<k7r::containers::RecordPatch>(&change)) {
        if (patch->offset + sizeof patch->record > size) {
            std::abort();
        }
    } else {
        const std::vector<std::uint8_t> saved = k7r::test::Changed({data, size}, change);
        if (saved.empty() || saved.size() > size + k7r::containers::kGrowthRoom) {
            std::abort();
        }
    }
    return 0;
}
