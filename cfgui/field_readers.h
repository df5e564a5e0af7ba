#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace k7r::cfgui {

class View;

// A decimal entry with up to three decimals: 25.175 is whole 25, milli 25175.
struct MilliValue {
    std::uint32_t whole = 0;
    std::uint64_t milli = 0;
};

// Hexadecimal without prefix: leading spaces skipped, an empty text is 0.
// Nothing for any other character, and for a value beyond 32 bits.
std::optional<std::uint32_t> ParseHex(std::string_view text);
// Spaces ignored anywhere, one "." starting the fraction, fraction digits
// past the third ignored, an empty text is 0. Nothing for any other
// character, and for a whole part beyond 32 bits.
std::optional<MilliValue> ParseMilli(std::string_view text);

std::optional<std::uint32_t> ReadHexField(const View& view, int control);
// A drop-down list with a selection is read from its selected item.
std::optional<MilliValue> ReadMilliField(const View& view, int control);

// Every "\n" not already behind "\r" becomes "\r\n", for a buffer of `size`
// characters with its terminating NUL: the result is cut before a line end
// that no longer fits whole.
std::string AddCrLf(std::string_view text, std::size_t size);
std::string StripCr(std::string_view text);

} // namespace k7r::cfgui
