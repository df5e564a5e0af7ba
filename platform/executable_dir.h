#pragma once

#include <string>

namespace k7r::platform {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The directory that holds the running program's executable, where the files
// shipped with the program lie, without a separator at its end. Empty when
// the system cannot tell.
std::string ExecutableDirectory();

} // namespace k7r::platform
