#include "diagrams/period_axis.h"

#include <algorithm>
#include <numeric>

namespace k7r::diagrams {
namespace {

// Less than this taken from the longest stretch does not show, and gets no
// break mark.
constexpr int kVisibleShrink = 4;

} // namespace

PeriodAxis::PeriodAxis(std::vector<std::uint32_t> positions, int left, int right) {
    positions.push_back(0);
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    if (positions.size() == 1) {
        positions.push_back(1);
    }
    starts_ = positions;

    const std::size_t count = starts_.size() - 1;
    const std::uint64_t total = starts_.back();
    const auto span = static_cast<std::uint64_t>(right - left);
    std::vector<int> widths(count);
    std::size_t longest = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint64_t length = starts_[i + 1] - starts_[i];
        widths[i] = std::max(kMinStretch, static_cast<int>(length * span / total));
        if (length > starts_[longest + 1] - starts_[longest]) {
            longest = i;
        }
    }
    // The longest stretch takes up what the truncations left over, or gives
    // up what the short stretches gained.
    const int spare = (right - left) - std::accumulate(widths.begin(), widths.end(), 0);
    const int natural = widths[longest];
    widths[longest] = std::max(kMinStretch, widths[longest] + spare);
    if (natural - widths[longest] > kVisibleShrink) {
        broken_ = longest;
    }
    xs_.push_back(left);
    for (const int width : widths) {
        xs_.push_back(xs_.back() + width);
    }
}

int PeriodAxis::X(std::uint64_t num, std::uint64_t den) const {
    if (num >= static_cast<std::uint64_t>(starts_.back()) * den) {
        return xs_.back();
    }
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), num / den);
    const auto stretch = static_cast<std::size_t>(after - starts_.begin()) - 1;
    const std::uint64_t into = num - static_cast<std::uint64_t>(starts_[stretch]) * den;
    const std::uint64_t length =
        static_cast<std::uint64_t>(starts_[stretch + 1] - starts_[stretch]);
    return xs_[stretch] +
           static_cast<int>(into * static_cast<std::uint64_t>(Width(stretch)) / (length * den));
}

} // namespace k7r::diagrams
