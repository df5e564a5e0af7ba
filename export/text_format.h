#pragma once

#include <string>

namespace k7r::exporter {

// printf into a string: the generated files are specified column by column
// in printf terms, so their formats are kept as they read. GCC checks them
// as the GNU library's formats (on MinGW its plain "printf" would mean the
// Microsoft runtime's); clang knows only "printf", which is the GNU one there.
#ifdef __clang__
std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
#else
std::string Printf(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));
#endif

} // namespace k7r::exporter
