#pragma once

#include "view/palette.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace k7r::view {

// BMP stores 24-bit pixels blue first, JPEG red first.
enum class ChannelOrder { Bgr, Rgb };

// Turns decoded rows of one image into the panel's pixel format: RGB565 on
// 16-bit panels, lookup-table indices (nearest colour where the image has
// more colours than the table) on 8- and 4-bit panels, where two pixels
// share a byte, the first in the high nibble. Combinations without a rule
// pass the row through unchanged.
class RowConverter {
  public:
    RowConverter(std::uint32_t sourceBpp, std::uint32_t panelBpp, const Palette& lookup,
                 const Palette& file, ChannelOrder order);

    std::vector<std::uint8_t> Convert(std::span<const std::uint8_t> row);

  private:
    Rgb Pixel24(const std::uint8_t* p) const;
    template <typename Colour>
    std::vector<std::uint8_t> ToIndices(std::size_t pixels, Colour colourOf);

    std::uint32_t sourceBpp_;
    std::uint32_t panelBpp_;
    const Palette& lookup_;
    const Palette& file_;
    ChannelOrder order_;
    std::optional<NearestColour> nearest_;
};

} // namespace k7r::view
