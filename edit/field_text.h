#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// How the utility's pages read the numbers typed into their fields, and how
// their multi-line texts trade line ends with the record. The window's shell
// and the command line read typed values with the same code.
namespace k7r::edit {

// A hexadecimal field (the platform addresses, the Modify Register dialog):
// leading spaces are skipped, then only 0-9, a-f and A-F may follow; an
// empty field reads as 0. None for any other character, and for a value
// beyond 32 bits (the fields hold at most 8 digits; a typed value must not
// wrap around).
std::optional<std::uint32_t> ReadHexField(std::string_view text);

// A decimal field with up to three decimals: `whole` is the number before
// the point, `milli` the number in thousandths.
struct MilliValue {
    std::uint32_t whole = 0;
    std::uint64_t milli = 0;
};

// Spaces are ignored anywhere; one "." starts the fraction, whose first
// three digits weigh 100, 10 and 1 and whose further digits are ignored;
// any other character fails, as does a whole part beyond 32 bits. An empty
// field reads as 0.
std::optional<MilliValue> ReadMilliText(std::string_view text);

// "%u.%03u": a frequency in Hz shown in MHz with three decimals, as the
// input clock fields show it.
std::string FormatMhz(std::uint32_t hz);

// Every "\n" not preceded by "\r" becomes "\r\n", for a multi-line control.
// The result, with its terminating NUL, fits `size` bytes: the conversion
// stops before the piece that would not fit.
std::string AddCrLf(std::string_view text, std::size_t size);

// Removes every "\r": a multi-line control's text as the record keeps it.
std::string StripCr(std::string_view text);

} // namespace k7r::edit
