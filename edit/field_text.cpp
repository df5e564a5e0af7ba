#include "edit/field_text.h"

#include <cstdio>
#include <limits>

namespace k7r::edit {
namespace {

constexpr std::uint64_t kMax32 = std::numeric_limits<std::uint32_t>::max();

std::optional<unsigned> HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<unsigned>(c - '0');
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<unsigned>(c - 'a' + 10);
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<unsigned>(c - 'A' + 10);
    }
    return std::nullopt;
}

} // namespace

std::optional<std::uint32_t> ReadHexField(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    text = start == std::string_view::npos ? std::string_view() : text.substr(start);
    std::uint64_t value = 0;
    for (const char c : text) {
        const std::optional<unsigned> digit = HexDigit(c);
        if (!digit) {
            return std::nullopt;
        }
        value = value * 16 + *digit;
        if (value > kMax32) {
            return std::nullopt;
        }
    }
    return static_cast<std::uint32_t>(value);
}

std::optional<MilliValue> ReadMilliText(std::string_view text) {
    std::uint64_t whole = 0;
    std::uint64_t fraction = 0;
    bool inFraction = false;
    unsigned fractionDigits = 0;
    for (const char c : text) {
        if (c == ' ') {
            continue;
        }
        if (c == '.' && !inFraction) {
            inFraction = true;
            continue;
        }
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        const unsigned digit = static_cast<unsigned>(c - '0');
        if (!inFraction) {
            whole = whole * 10 + digit;
            if (whole > kMax32) {
                return std::nullopt;
            }
        } else if (fractionDigits < 3) {
            fraction = fraction * 10 + digit;
            ++fractionDigits;
        }
    }
    for (; fractionDigits < 3; ++fractionDigits) {
        fraction *= 10;
    }
    return MilliValue{static_cast<std::uint32_t>(whole), whole * 1000 + fraction};
}

std::string FormatMhz(std::uint32_t hz) {
    char text[24];
    std::snprintf(text, sizeof text, "%u.%03u", hz / 1000000, hz / 1000 % 1000);
    return text;
}

std::string AddCrLf(std::string_view text, std::size_t size) {
    std::string converted;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool addCr = text[i] == '\n' && (i == 0 || text[i - 1] != '\r');
        if (converted.size() + (addCr ? 2 : 1) >= size) {
            break;
        }
        if (addCr) {
            converted += '\r';
        }
        converted += text[i];
    }
    return converted;
}

std::string StripCr(std::string_view text) {
    std::string stripped;
    for (const char c : text) {
        if (c != '\r') {
            stripped += c;
        }
    }
    return stripped;
}

} // namespace k7r::edit
