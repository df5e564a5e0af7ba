#pragma once

#include <cstdarg>
#include <cstdio>
#include <ostream>
#include <string>

namespace k7r::view {

// printf-style output for the viewer's fixed texts, which are printf formats.
[[gnu::format(printf, 2, 3)]] inline void Print(std::ostream& out, const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::va_list copy;
    va_copy(copy, args);
    int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(length > 0 ? length : 0, '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    out << text;
}

} // namespace k7r::view
