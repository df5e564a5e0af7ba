#pragma once

#include <cstdint>

namespace k7r {

// Attribute bits of a field description record.
inline constexpr std::uint32_t ffREGISTER = 0x001;  // Register and Mask are valid
inline constexpr std::uint32_t ffRECORD = 0x002;    // kept in a HAL_STRUCT header field
inline constexpr std::uint32_t ffTEXT = 0x004;      // the value is text
inline constexpr std::uint32_t ffCOMPUTED = 0x008;  // derived from other settings
inline constexpr std::uint32_t ffRESERVED = 0x010;  // reserved bits
inline constexpr std::uint32_t ffREADONLY = 0x020;  // read-only bits
inline constexpr std::uint32_t ffWRITEONLY = 0x040; // write-only bits
inline constexpr std::uint32_t ffLIST = 0x080;      // shown through the value list
inline constexpr std::uint32_t ffHEX = 0x100;       // shown in hexadecimal
inline constexpr std::uint32_t ffMODE = 0x200;      // a change alters the displayed picture

} // namespace k7r
