
#include "regs/layout.h"

#include "config/working_config.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"

#include <algorithm>

namespace k7r::regs {
namespace {

bool IsQuarterTurn(std::uint32_t swivelView) {
    return swivelView == 90 || swivelView == 270;
}

// Bytes of a run of pixels, rounded up to whole 32-bit words.
std::uint32_t WordAlignedBytes(std::int32_t pixels, std::uint32_t bitsPerPixel) {
    const std::int64_t bytes = std::int64_t{pixels} * bitsPerPixel / 8;
    return static_cast<std::uint32_t>(bytes + 3) & ~3u;
}

} // namespace

ImageSize EffectiveImageSize(config::WorkingConfig& config) {
    ImageSize size{
        GetFieldValue(config, kIdHorzDisplay) / (GetFieldValue(config, kIdHorzDoubling) + 1),
        GetFieldValue(config, kIdVertDisplay) / (GetFieldValue(config, kIdVertDoubling) + 1)};
    if (IsQuarterTurn(GetFieldValue(config, kIdSwivelView))) {
        std::swap(size.width, size.height);
    }
    return size;
}

void RecomputeLayout(config::WorkingConfig& config) {
    const ImageSize size = EffectiveImageSize(config);
    if (GetFieldValue(config, kIdAutoStride) != 0) {
        const std::uint32_t bitsPerPixel = GetFieldValue(config, kIdBitsPerPixel);
        SetFieldValue(config, kIdMainLineOffset, (size.width * bitsPerPixel + 7) / 8);
    }
    // The raw start register depends on the SwivelView offset; the address
    // the user chose stays.
    SetFieldValue(config, kIdMainStart, config.SavedMainStart);
    const std::uint32_t stride = GetFieldValue(config, kIdMainLineOffset);
    const auto required = std::max(static_cast<std::int32_t>(stride * size.height),
                                   static_cast<std::int32_t>(size.width));
    SetFieldValue(config, kIdRequiredVram, static_cast<std::uint32_t>(required));
    SetFieldValue(config, kIdPipLineOffset, stride);
    SetFieldValue(config, kIdPipStart, 0);
}

std::uint32_t SwivelOffset(config::WorkingConfig& config, Window window) {
    const std::uint32_t swivelView = GetFieldValue(config, kIdSwivelView);
    const std::uint32_t bitsPerPixel = GetFieldValue(config, kIdBitsPerPixel);
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t stride = 0;
    if (window == Window::Main) {
        width = GetFieldValue(config, kIdHorzDisplay);
        height = GetFieldValue(config, kIdVertDisplay);
        stride = GetFieldValue(config, kIdMainLineOffset);
    } else {
        // The PIP+ window is positioned in 32-bit words across a line.
        width = GetFieldValue(config, kIdPipXEnd) - GetFieldValue(config, kIdPipXStart) + 1;
        height = GetFieldValue(config, kIdPipYEnd) - GetFieldValue(config, kIdPipYStart) + 1;
        const std::uint32_t pixelsPerWord = 32 / std::max(bitsPerPixel, 1u);
        if (IsQuarterTurn(swivelView)) {
            height *= pixelsPerWord;
        } else {
            width *= pixelsPerWord;
        }
        stride = GetFieldValue(config, kIdPipLineOffset);
    }
    width /= GetFieldValue(config, kIdHorzDoubling) + 1;
    height /= GetFieldValue(config, kIdVertDoubling) + 1;
    switch (swivelView) {
    case 90:
        return WordAlignedBytes(static_cast<std::int32_t>(height), bitsPerPixel) - 4;
    case 180:
        return WordAlignedBytes(static_cast<std::int32_t>(width), bitsPerPixel) +
               (height - 1) * stride - 4;
    case 270:
        return (width - 1) * stride;
    default:
        return 0;
    }
}

} // namespace k7r::regs
