#pragma once

#include <cstdint>
#include <string>

namespace k7r::hal {

// The build number in a revision text such as "$Revision: 2 $": the number
// after its first ':', 0 without one.
std::uint32_t BuildNumber(const char* revisionText);

// The program information text for the layer's record, e.g. for the viewer:
//   58C22VIEW - A program to view JPEG, BMP, GIF files - Build 1 [HAL: 2]
//   <two-line notice>
//   Configuration CRC E87Fh (OK)
// with ", Description:\n<text>\n" continuing the CRC line when the record
// has a description. Limited to the layer's 1024-byte work area.
std::string ProgramInformation(const char* name, const char* description, const char* revisionText);

// The same copied into a caller's buffer: at most length - 1 characters and
// always NUL-terminated (nothing is written when length is 0).
char* ProgramInformation(const char* name, const char* description, const char* revisionText,
                         char* buffer, std::uint32_t length);

} // namespace k7r::hal
