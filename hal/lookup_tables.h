#pragma once

// The lookup table a bring-up loads for the colour depth and panel kind.

#include <cstdint>
#include <span>

namespace k7r::hal {

// Loads the default table for the programmed depth and panel kind (or, at
// 16 bpp, the table the last load chose) through REG[18h].
void LoadLookupTable();

// The eight default tables, REG[18h] words (index << 24 | RGB).
std::span<const std::uint32_t> DefaultLookupTable(std::uint32_t bitsPerPixel, bool colour);

} // namespace k7r::hal
