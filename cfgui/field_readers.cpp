#include "cfgui/field_readers.h"

#include "cfgui/view.h"

#include <limits>

namespace k7r::cfgui {
namespace {

constexpr std::uint32_t kMax = std::numeric_limits<std::uint32_t>::max();

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

std::optional<std::uint32_t> ParseHex(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    std::uint32_t value = 0;
    if (start == std::string_view::npos) {
        return value;
    }
    for (const char c : text.substr(start)) {
        const std::optional<unsigned> digit = HexDigit(c);
        if (!digit || value > (kMax >> 4)) {
            return std::nullopt;
        }
        value = (value << 4) | *digit;
    }
    return value;
}

std::optional<MilliValue> ParseMilli(std::string_view text) {
    MilliValue result;
    std::uint32_t fraction = 0;
    std::uint32_t weight = 1000;
    bool inFraction = false;
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
        const auto digit = static_cast<std::uint32_t>(c - '0');
        if (inFraction) {
            weight /= 10;
            fraction += digit * weight;
        } else {
            if (result.whole > (kMax - digit) / 10) {
                return std::nullopt;
            }
            result.whole = result.whole * 10 + digit;
        }
    }
    result.milli = std::uint64_t{result.whole} * 1000 + fraction;
    return result;
}

std::optional<std::uint32_t> ReadHexField(const View& view, int control) {
    return ParseHex(view.Text(control));
}

std::optional<MilliValue> ReadMilliField(const View& view, int control) {
    const int selected = view.Selection(control);
    return ParseMilli(selected >= 0 ? view.ItemText(control, selected) : view.Text(control));
}

std::string AddCrLf(std::string_view text, std::size_t size) {
    std::string result;
    const std::size_t limit = size == 0 ? 0 : size - 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool bare = text[i] == '\n' && (i == 0 || text[i - 1] != '\r');
        const std::size_t needed = bare ? 2 : 1;
        if (result.size() + needed > limit) {
            break;
        }
        if (bare) {
            result += '\r';
        }
        result += text[i];
    }
    return result;
}

std::string StripCr(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        if (c != '\r') {
            result += c;
        }
    }
    return result;
}

} // namespace k7r::cfgui
