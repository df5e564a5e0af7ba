#pragma once

#include "view/bmp_rows.h"

namespace k7r::view {

// The rows of a run-length encoded bitmap.
int DrawRunLengthRows(BmpRows& rows);

} // namespace k7r::view
