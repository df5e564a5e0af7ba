#include "cli/suggestions.h"
#include "platform/ascii.h"

#include <algorithm>
#include <numeric>

namespace k7r::cli {
namespace {

// Optimal string alignment distance: insertions, deletions, substitutions
// and swaps of neighbours, each one edit.
std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) {
        d[i][0] = i;
    }
    std::iota(d[0].begin(), d[0].end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t cost =
                platform::AsciiLower(a[i - 1]) == platform::AsciiLower(b[j - 1]) ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 &&
                platform::AsciiLower(a[i - 1]) == platform::AsciiLower(b[j - 2]) &&
                platform::AsciiLower(a[i - 2]) == platform::AsciiLower(b[j - 1])) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[a.size()][b.size()];
}

} // namespace

std::vector<std::size_t> ClosestCandidates(std::string_view word,
                                           std::span<const std::string_view> candidates) {
    const std::size_t limit = std::max<std::size_t>(2, word.size() / 4);
    std::vector<std::pair<std::size_t, std::size_t>> near; // distance, position
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const std::size_t distance = EditDistance(word, candidates[i]);
        if (distance <= limit) {
            near.emplace_back(distance, i);
        }
    }
    std::ranges::stable_sort(near, {}, &std::pair<std::size_t, std::size_t>::first);
    std::vector<std::size_t> positions;
    for (const auto& [distance, position] : near) {
        positions.push_back(position);
    }
    return positions;
}

std::string DidYouMean(std::span<const std::string> names) {
    if (names.empty()) {
        return {};
    }
    std::string text = "; did you mean ";
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) {
            text += i + 1 == names.size() ? " or " : ", ";
        }
        text += names[i];
    }
    return text + "?";
}

} // namespace k7r::cli
