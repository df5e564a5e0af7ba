#pragma once

#include "containers/container_kind.h"
#include "containers/srec_image.h"

namespace k7r::containers {

// The length of the text that WriteSrecText produces.
std::size_t SrecTextLength(const SrecImage& image);

// Writes the lines again in the order they were read, record lines in upper
// case with fresh checksums, other lines as they were, each followed by the
// file's terminator. The text goes to put piece by piece; false when put
// refused a piece, which ends the writing.
bool WriteSrecText(const SrecImage& image, const ByteSink& put);

} // namespace k7r::containers
