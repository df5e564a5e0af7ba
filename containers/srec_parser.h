#pragma once

#include "containers/srec_image.h"

#include <span>
#include <string_view>

namespace k7r::containers {

// True when the data is text with at least three lines starting with "S",
// at least one of them a data record (S1, S2 or S3).
bool IsSrecText(std::span<const std::uint8_t> data);

// Takes S-record text apart. A line that is not what it claims to be (a
// bad hex digit, a byte count too small for its address, a record cut
// short, a wrong checksum) or an S5 count that disagrees with the data
// records before it refuses the whole file: the text is rewritten on save,
// and a corrupt line must not come back as different, plausible data.
bool ParseSrecText(std::span<const std::uint8_t> text, SrecImage& image, std::string_view& message);

} // namespace k7r::containers
