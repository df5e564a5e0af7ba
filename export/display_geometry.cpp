#include "export/display_geometry.h"

#include "regs/field_values.h"
#include "regs/layout.h"
#include "regs/setting_ids.h"

namespace k7r::exporter {

DisplayGeometry ReadDisplayGeometry(config::WorkingConfig& config) {
    const regs::ImageSize size = regs::EffectiveImageSize(config);
    return {
        .Width = size.width,
        .Height = size.height,
        .BitsPerPixel = regs::GetFieldValue(config, regs::kIdBitsPerPixel),
        .FrameRate = regs::GetFieldValue(config, regs::kIdFrameRate),
        .StrideBytes = regs::GetFieldValue(config, regs::kIdMainLineOffset),
    };
}

} // namespace k7r::exporter
