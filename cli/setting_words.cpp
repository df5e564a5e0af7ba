#include "cli/setting_words.h"

#include "regs/field_table.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <initializer_list>
#include <set>

namespace k7r::cli {
namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool AllDigits(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

// Appended piece by piece: GCC 12 at -O2 misreads the overlap of a literal
// added to a string (-Wrestrict).
std::string Joined(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (const std::string_view piece : pieces) {
        text.append(piece);
    }
    return text;
}

} // namespace

SettingName FindSetting(std::string_view word) {
    if (AllDigits(word)) {
        std::uint32_t id = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), id);
        if (error == std::errc() && end == word.data() + word.size() &&
            FindField(id) != kFieldCount) {
            return {id, {}};
        }
        return {0, Joined({"no setting has the id ", word})};
    }
    std::set<std::uint32_t> ids;
    for (const FIELD_DESC& field : kFieldTable) {
        if (EqualNoCase(field.ShortName, word)) {
            ids.insert(field.Id);
        }
    }
    if (ids.empty()) {
        return {0, Joined({"no setting is named \"", word, "\""})};
    }
    if (ids.size() > 1) {
        std::string error = Joined({"\"", word, "\" names several settings; use an id:"});
        for (const std::uint32_t id : ids) {
            error += ' ' + std::to_string(id);
        }
        return {0, error};
    }
    return {*ids.begin(), {}};
}

} // namespace k7r::cli
