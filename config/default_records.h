#pragma once

#include "config/hal_struct.h"

// The records the two programs carry in their data, where the utility finds
// and patches them. Each lives in its own object file (template_record.cpp,
// viewer_record.cpp) so that a program links only the one it uses and its
// image holds exactly one record.
extern "C" {
// The utility's template: 320 x 240 at 8 bpp, not configured (Crc 0).
extern HAL_STRUCT TemplateRecord;
// The viewer's record as shipped: configured, with the correct CRC.
extern HAL_STRUCT ViewerRecord;
}
