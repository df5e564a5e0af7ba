#include "export/display_geometry.h"

#include "regs/field_values.h"
#include "regs/layout.h"
#include "regs/setting_ids.h"

namespace k7r {

DisplayGeometry ReadDisplayGeometry(config::WorkingConfig& config) {
    const ImageSize size = EffectiveImageSize(config);
    return {
        .Width = size.width,
        .Height = size.height,
        .BitsPerPixel = GetFieldValue(config, kIdBitsPerPixel),
        .FrameRate = GetFieldValue(config, kIdFrameRate),
        .StrideBytes = GetFieldValue(config, kIdMainLineOffset),
    };
}

} // namespace k7r
