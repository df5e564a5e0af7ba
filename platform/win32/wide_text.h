#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text crosses into Windows' wide-character interfaces here: the programs
// hold every name and message as UTF-8, the system takes and gives UTF-16.
// For the Windows side of the programs only.
namespace k7r::platform {

// The longest file name the wide-character calls take, in UTF-16 units
// with its NUL: a buffer this long holds any name the system can open.
inline constexpr std::size_t kLongestPath = 32768;

// Bytes that are not UTF-8 become U+FFFD, as the system converts them.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// A file name for the wide-character file functions. A name too long for
// their 260-character limit is made absolute with the "\\?\" prefix, which
// lifts it; others stay as they are, so that the system still reads "/"
// and ".." in them.
std::wstring WidePath(const std::string& path);

} // namespace k7r::platform
