#pragma once

#include "containers/srec_image.h"

#include <span>

namespace k7r {

// The length of the text that WriteSrecText produces.
std::size_t SrecTextLength(const SrecImage& image);

// Writes the lines again in the order they were read, record lines in upper
// case with fresh checksums, other lines as they were, each followed by the
// file's terminator. out must hold SrecTextLength bytes.
void WriteSrecText(const SrecImage& image, std::span<std::uint8_t> out);

} // namespace k7r
