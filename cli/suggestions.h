#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// "Did you mean" for mistyped names: commands, options, settings.
namespace k7r::cli {

inline constexpr std::size_t kMostSuggestions = 3;

// The positions of the candidates closest to `word` in edit distance
// (letter case ignored; a swap of two neighbouring letters counts as one
// edit), closest first and ties in candidate order. Candidates farther than
// a quarter of the word's length (at least two edits) are left out.
std::vector<std::size_t> ClosestCandidates(std::string_view word,
                                           std::span<const std::string_view> candidates);

// "; did you mean a, b or c?" with the names as given (quoted or not by the
// caller), or empty for no names.
std::string DidYouMean(std::span<const std::string> names);

} // namespace k7r::cli
