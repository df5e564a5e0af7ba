// The record search and adoption over arbitrary bytes, through every
// container kind: reading must never touch memory outside the image, and a
// save's change must fit the image and stay within the growth room.
#include "config/default_records.h"
#include "containers/config_image.h"
#include "containers/container_kind.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
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
        const auto& rewrite = std::get<k7r::containers::ImageRewrite>(change);
        std::size_t headSize = 0;
        rewrite.writeHead([&](std::span<const std::uint8_t> piece) {
            headSize += piece.size();
            return true;
        });
        if (rewrite.resumeAt > size || headSize > rewrite.resumeAt + k7r::containers::kGrowthRoom) {
            std::abort();
        }
    }
    return 0;
}
