#pragma once

#include "diagrams/picture.h"

#include <string>

namespace k7r::diagrams {

// A file of its own opens with the XML declaration; a picture inside an
// HTML page does without.
enum class SvgUse { File, Inline };

// The picture as SVG text with LF line ends, the same bytes on every build.
// Each label keeps its box: its text is stretched to exactly kCharAdvance a
// character whatever fixed-pitch font the viewer finds.
std::string RenderSvg(const Picture& picture, SvgUse use);

} // namespace k7r::diagrams
