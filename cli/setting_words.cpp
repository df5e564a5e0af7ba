#include "cli/setting_words.h"

#include "regs/field_attributes.h"
#include "regs/field_table.h"
#include "regs/settings_engine.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <limits>
#include <set>

namespace k7r::cli {
namespace {

constexpr std::uint32_t kNoLimit = std::numeric_limits<std::uint32_t>::max();

// Settings without a maximum of their own, bounded as the page that edits
// them bounds them (addresses: any 32-bit value).
struct PageBounds {
    std::uint32_t id;
    SettingBounds bounds;
};
constexpr PageBounds kPageBounds[] = {
    {2, {391000, 120000000, false}}, // input clocks, 0.391 to 120 MHz
    {3, {391000, 120000000, false}},
    {4, {0, kNoLimit, false}},
    {5, {0, kNoLimit, false}},
    {6, {0, 65535, false}}, // power times in ms
    {7, {0, 65535, false}},
    {8, {0, 0xFF, false}},  // GPIO pins 0 to 7
    {9, {0, 0x7FF, false}}, // GPO pins 0 to 10
    {10, {0, 65535, false}},
    {11, {0, kNoLimit, false}},
    {12, {1, 2, false}},
    {13, {0, 1, false}},
    {14, {0, 1, false}},
    {15, {0, 1, false}},
    {16, {0, 1, false}},
    {17, {0, 1, false}},
    {18, {0, 1, false}},
    {24, {0, 7, false}},
    {32, {1, 8, false}},
    {41, {4, 18, false}},
    {52, {0, 270, false}},
    {83, {0, 0x1FFFF * 4, false}},
    {84, {0, 0x3FF * 4, false}},
    {111, {1, 32768, false}},
};

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool AllDigits(std::string_view text, int base) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [base](char c) {
        return base == 16 ? std::isxdigit(static_cast<unsigned char>(c)) != 0
                          : std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

std::optional<std::uint64_t> ParseDigits(std::string_view text, int base) {
    if (!AllDigits(text, base) || text.size() > 12) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : text) {
        const int digit = std::isdigit(static_cast<unsigned char>(c))
                              ? c - '0'
                              : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    }
    return value;
}

std::optional<std::uint32_t> Fit32(std::optional<std::uint64_t> value) {
    if (!value || *value > kNoLimit) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*value);
}

std::optional<std::uint32_t> ParseNumber(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return Fit32(ParseDigits(text.substr(2), 16));
    }
    return Fit32(ParseDigits(text, 10));
}

// "25.175MHz": exact to the hertz, or not a frequency.
std::optional<std::uint32_t> ParseFrequency(std::string_view text) {
    static constexpr struct {
        std::string_view unit;
        std::uint64_t hz;
    } kUnits[] = {{"MHz", 1000000}, {"kHz", 1000}, {"Hz", 1}};
    for (const auto& unit : kUnits) {
        if (text.size() <= unit.unit.size() ||
            !EqualNoCase(text.substr(text.size() - unit.unit.size()), unit.unit)) {
            continue;
        }
        const std::string_view number = text.substr(0, text.size() - unit.unit.size());
        const std::size_t point = number.find('.');
        const auto whole = ParseDigits(number.substr(0, point), 10);
        if (!whole) {
            return std::nullopt;
        }
        std::uint64_t hz = *whole * unit.hz;
        if (point != std::string_view::npos) {
            const std::string_view fraction = number.substr(point + 1);
            const auto digits = ParseDigits(fraction, 10);
            if (!digits || fraction.size() > 9) {
                return std::nullopt;
            }
            std::uint64_t scale = 1;
            for (std::size_t i = 0; i < fraction.size(); ++i) {
                scale *= 10;
            }
            if (*digits * unit.hz % scale != 0) {
                return std::nullopt;
            }
            hz += *digits * unit.hz / scale;
        }
        return Fit32(hz);
    }
    return std::nullopt;
}

std::optional<std::uint32_t> ParseListText(WorkingConfig& config, std::uint32_t id,
                                           std::string_view text) {
    const std::uint32_t last = std::min<std::uint32_t>(BoundsOf(config, id).max, 4095);
    for (std::uint32_t item = 0; item <= last; ++item) {
        const auto listed = GetFieldListText(config, id, item);
        if (listed && EqualNoCase(*listed, text)) {
            return item;
        }
    }
    return std::nullopt;
}

std::string Concat(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (const std::string_view piece : pieces) {
        text.append(piece);
    }
    return text;
}

} // namespace

SettingName FindSetting(std::string_view word) {
    if (AllDigits(word, 10)) {
        const auto id = Fit32(ParseDigits(word, 10));
        if (id && FindField(*id) != kFieldCount) {
            return {*id, {}};
        }
        return {0, Concat({"no setting has the id ", word})};
    }
    std::set<std::uint32_t> ids;
    for (const FIELD_DESC& field : kFieldTable) {
        if (EqualNoCase(field.ShortName, word)) {
            ids.insert(field.Id);
        }
    }
    if (ids.empty()) {
        return {0, Concat({"no setting is named \"", word, "\""})};
    }
    if (ids.size() > 1) {
        std::string error = Concat({"\"", word, "\" names several settings; use an id:"});
        for (const std::uint32_t id : ids) {
            error += ' ';
            error += std::to_string(id);
        }
        return {0, error};
    }
    return {*ids.begin(), {}};
}

SettingBounds BoundsOf(WorkingConfig& config, std::uint32_t id) {
    for (const PageBounds& page : kPageBounds) {
        if (page.id == id) {
            return page.bounds;
        }
    }
    return {GetFieldMin(config, id), GetFieldMax(config, id), true};
}

std::optional<std::uint32_t> ParseSettingValue(WorkingConfig& config, std::uint32_t id,
                                               std::string_view text) {
    const FIELD_DESC& field = kFieldTable[FindField(id)];
    if (field.Attributes & ffLIST) {
        if (const auto item = ParseListText(config, id, text)) {
            return item;
        }
    }
    if (field.Units == "MHz") {
        if (const auto hz = ParseFrequency(text)) {
            return hz;
        }
    }
    return ParseNumber(text);
}

} // namespace k7r::cli
