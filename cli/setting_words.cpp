#include "cli/setting_words.h"

#include "cli/suggestions.h"
#include "edit/setting_edit.h"
#include "platform/ascii.h"
#include "regs/field_table.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <initializer_list>
#include <set>

namespace k7r::cli {
namespace {

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

// The settings whose short or long names are closest to the word, as
// "\"Bits-Per-Pixel\" (54)", each once.
std::string SuggestSettings(std::string_view word) {
    std::vector<std::string_view> names;
    std::vector<std::uint32_t> ids;
    for (const regs::FIELD_DESC& field : regs::kFieldTable) {
        for (const std::string_view name : {field.ShortName, field.LongName}) {
            names.push_back(name);
            ids.push_back(field.Id);
        }
    }
    std::vector<std::uint32_t> suggestedIds;
    std::vector<std::string> suggested;
    for (const std::size_t position : ClosestCandidates(word, names)) {
        const std::uint32_t id = ids[position];
        if (suggested.size() < kMostSuggestions &&
            std::ranges::find(suggestedIds, id) == suggestedIds.end()) {
            suggestedIds.push_back(id);
            suggested.push_back(Joined({"\"", regs::kFieldTable[regs::FindField(id)].ShortName,
                                        "\" (", std::to_string(id), ")"}));
        }
    }
    return DidYouMean(suggested);
}

} // namespace

SettingName FindSetting(std::string_view word) {
    if (AllDigits(word)) {
        std::uint32_t id = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), id);
        if (error == std::errc() && end == word.data() + word.size() &&
            regs::FindField(id) != regs::kFieldCount) {
            return {id, {}};
        }
        return {0, Joined({"no setting has the id ", word})};
    }
    std::set<std::uint32_t> ids;
    for (const regs::FIELD_DESC& field : regs::kFieldTable) {
        if (platform::EqualsIgnoringCase(field.ShortName, word)) {
            ids.insert(field.Id);
        }
    }
    if (ids.empty()) {
        return {0, Joined({"no setting is named \"", word, "\"", SuggestSettings(word)})};
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

std::string AcceptedValues(const edit::EditSession& session, std::uint32_t id) {
    // Neither a number, a hexadecimal value nor any list's text.
    constexpr std::string_view kNoValue = "?";
    edit::EditSession scratch = session;
    const edit::EditResult result = edit::SetSettingText(scratch, id, kNoValue);
    return result.accepted() ? std::string() : result.hint;
}

} // namespace k7r::cli
