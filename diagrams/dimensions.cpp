#include "diagrams/dimensions.h"

#include <algorithm>
#include <utility>

namespace k7r::diagrams {
namespace {

// A track: the label on top and the line below it, or the label beside the
// line, centred on it.
constexpr int kTrackHeight = 26;
constexpr int kLineOffset = 19;
constexpr int kTick = 5;
constexpr int kArrow = 5;
// Between a label and the line or label beside it.
constexpr int kGap = 8;

struct Span {
    int left;
    int right;
};

bool Clear(const std::vector<Span>& track, const Span& span) {
    return std::none_of(track.begin(), track.end(), [&](const Span& taken) {
        return span.left < taken.right + kGap && taken.left < span.right + kGap;
    });
}

void AddLine(Picture& picture, int left, int right, int y, Ink ink) {
    picture.Add(ShapeKind::Line, ink, {{left, y - kTick}, {left, y + kTick}});
    if (right == left) {
        return;
    }
    picture.Add(ShapeKind::Line, ink, {{right, y - kTick}, {right, y + kTick}});
    picture.Add(ShapeKind::Line, ink, {{left, y}, {right, y}});
    if (right - left > 2 * kArrow + 2) {
        picture.Add(
            ShapeKind::Fill, ink,
            {{left, y}, {left + kArrow, y - kArrow / 2 - 1}, {left + kArrow, y + kArrow / 2 + 1}});
        picture.Add(ShapeKind::Fill, ink,
                    {{right, y},
                     {right - kArrow, y - kArrow / 2 - 1},
                     {right - kArrow, y + kArrow / 2 + 1}});
    }
}

} // namespace

int AddDimensions(Picture& picture, const PeriodAxis& axis, std::vector<Dimension> dimensions,
                  int margin, int top) {
    std::vector<std::vector<Span>> tracks;
    for (Dimension& dimension : dimensions) {
        const int left = axis.X(dimension.from);
        const int right = axis.X(dimension.to);
        const int width = TextWidth(dimension.label);
        // Above the line and centred when it fits between the ends; else
        // beside it, right or left; else above, against the right margin.
        bool above = true;
        int x = picture.width - margin - width;
        if (width + 2 * kArrow + 2 * kGap <= right - left) {
            x = (left + right - width) / 2;
        } else if (right + kGap + width <= picture.width - margin) {
            x = right + kGap;
            above = false;
        } else if (left - kGap - width >= margin) {
            x = left - kGap - width;
            above = false;
        }
        const Span span{std::min(left, x), std::max(right, x + width)};
        std::size_t track = 0;
        while (track < tracks.size() && !Clear(tracks[track], span)) {
            ++track;
        }
        if (track == tracks.size()) {
            tracks.emplace_back();
        }
        tracks[track].push_back(span);
        const int trackTop = top + static_cast<int>(track) * kTrackHeight;
        const int y = trackTop + kLineOffset;
        AddLine(picture, left, right, y, dimension.ink == Ink::Flagged ? Ink::Flagged : Ink::Guide);
        picture.AddLabel({x, above ? trackTop : y - kLabelHeight / 2}, std::move(dimension.label),
                         dimension.ink);
    }
    return top + static_cast<int>(tracks.size()) * kTrackHeight;
}

} // namespace k7r::diagrams
