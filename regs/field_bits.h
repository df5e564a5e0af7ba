#pragma once

#include <bit>
#include <cstdint>

namespace k7r::regs {

// Lowest and highest bit of a field mask; both -1 for an empty mask.
struct BitRange {
    int Lo;
    int Hi;
};

// Hi is the top of the run of set bits that starts at Lo: bits above a gap
// are not part of the field.
constexpr BitRange FieldBitRange(std::uint32_t mask) {
    if (mask == 0) {
        return {-1, -1};
    }
    const int lo = std::countr_zero(mask);
    const int hi = lo + std::countr_one(mask >> lo) - 1;
    return {lo, hi};
}

// The largest raw value the field can hold: the mask shifted down to bit 0.
constexpr std::uint32_t FieldMaxValue(std::uint32_t mask) {
    return mask == 0 ? 0 : mask >> std::countr_zero(mask);
}

} // namespace k7r::regs
