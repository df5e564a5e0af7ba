#include "export/c_text.h"

namespace k7r::exporter {

std::string PadField(std::size_t width, std::string_view value) {
    std::string field(value);
    field += ',';
    if (field.size() > width) {
        field += "  ";
    } else {
        field.resize(width, ' ');
    }
    return field;
}

void DropLastComma(std::string& text) {
    const std::size_t comma = text.rfind(',');
    if (comma != std::string::npos) {
        text[comma] = ' ';
    }
}

std::string EscapeCText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    char previous = '\0';
    for (const char c : text) {
        switch (c) {
        case '\n':
            escaped += "\\n";
            break;
        case '\r':
            escaped += "\\r";
            break;
        case '"':
            escaped += "\\\"";
            break;
        case '\\':
            escaped += "\\\\";
            break;
        case '?':
            // "??" starts a trigraph in C89 ("??/" is a backslash), which
            // would change or break the literal; "?\?" reads back as "??".
            escaped += previous == '?' ? "\\?" : "?";
            break;
        default:
            escaped += c;
        }
        previous = c;
    }
    return escaped;
}

} // namespace k7r::exporter
