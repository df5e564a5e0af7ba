#pragma once

#include <string>

namespace k7r {

// printf into a string: the generated files are specified column by column
// in printf terms, so their formats are kept as they read.
std::string Printf(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));

} // namespace k7r
