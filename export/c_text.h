#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Column and literal helpers shared by every generated C header.
namespace k7r::exporter {

// The value and a comma, left-justified in width columns. A value too long
// for its column gets two blanks instead, so that a comment behind it stays
// apart.
std::string PadField(std::size_t width, std::string_view value);

// Turns the last comma of the text into a blank: the trailing comma of the
// last initializer or enumerator.
void DropLastComma(std::string& text);

// The text as the inside of a C string literal.
std::string EscapeCText(std::string_view text);

} // namespace k7r::exporter
