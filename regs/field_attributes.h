#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace k7r::regs {

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

struct AttributeName {
    std::uint32_t bit;
    std::string_view name;
};

// The attribute bits by name, in bit order.
inline constexpr AttributeName kAttributeNames[] = {
    {ffREGISTER, "ffREGISTER"},   {ffRECORD, "ffRECORD"},     {ffTEXT, "ffTEXT"},
    {ffCOMPUTED, "ffCOMPUTED"},   {ffRESERVED, "ffRESERVED"}, {ffREADONLY, "ffREADONLY"},
    {ffWRITEONLY, "ffWRITEONLY"}, {ffLIST, "ffLIST"},         {ffHEX, "ffHEX"},
    {ffMODE, "ffMODE"},
};

// The names of the attributes set, joined by "|", or "0" when none is.
std::string AttributeNames(std::uint32_t attributes);

} // namespace k7r::regs
