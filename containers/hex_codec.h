#pragma once

// Bytes as pairs of hex digits, first digit most significant, as S-record
// text carries them; long runs go through many bytes at a time.
#include <cstddef>
#include <cstdint>

namespace k7r::containers {

// The byte that the two hex digits at `at` stand for, digits in either
// letter case; above FFh when either is no hex digit.
unsigned HexPair(const std::uint8_t* at);

// Decodes count bytes from the 2 x count digits at hex into out; false
// after a bad digit, when out holds rubbish.
bool DecodeHex(const std::uint8_t* hex, std::size_t count, std::uint8_t* out);

// Writes count bytes as 2 x count upper-case hex digits.
void EncodeHex(const std::uint8_t* bytes, std::size_t count, std::uint8_t* out);

} // namespace k7r::containers
