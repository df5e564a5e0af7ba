#pragma once

#include "diagrams/period_axis.h"
#include "diagrams/picture.h"

#include <cstdint>
#include <string>
#include <vector>

// Dimension lines under the signal rows, each from one position of the
// period to another with its label, stacked in as few tracks as keep every
// label clear of every other.
namespace k7r::diagrams {

struct Dimension {
    std::uint32_t from;
    std::uint32_t to;
    std::string label;
    Ink ink;
};

// Lays the dimensions out from `top` down, in order, each in the first
// track where it and its label fit; labels stay between the picture's
// margins. Returns the bottom of the last track.
int AddDimensions(Picture& picture, const PeriodAxis& axis, std::vector<Dimension> dimensions,
                  int margin, int top);

} // namespace k7r::diagrams
