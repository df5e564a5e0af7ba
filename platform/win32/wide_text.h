#pragma once

#include <string>
#include <string_view>

// Text crosses into Windows' wide-character interfaces here: the programs
// hold every name and message as UTF-8, the system takes and gives UTF-16.
// For the Windows side of the programs only.
namespace k7r::platform {

// Bytes that are not UTF-8 become U+FFFD, as the system converts them.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// A file name for the wide-character file functions. A name too long for
// their 260-character limit is made absolute with the "\\?\" prefix, which
// lifts it; others stay as they are, so that the system still reads "/"
// and ".." in them.
std::wstring WidePath(const std::string& path);

} // namespace k7r::platform
