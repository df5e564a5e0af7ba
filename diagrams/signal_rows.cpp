#include "diagrams/signal_rows.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace k7r::diagrams {
namespace {

// Pulses or switches closer than this are drawn as a band.
constexpr int kDensePitch = 6;
// How far a bus's lines take to cross, and a break mark's slant and gap.
constexpr int kCross = 4;
constexpr int kSlant = 4;
constexpr int kBreakGap = 4;

// A stretch of the axis where something repeating every `every` units
// would be drawn closer than kDensePitch.
bool TooClose(const PeriodAxis& axis, std::size_t stretch, std::uint32_t every) {
    const std::uint64_t length = axis.StretchEnd(stretch) - axis.StretchStart(stretch);
    return static_cast<std::uint64_t>(axis.Width(stretch)) * every < kDensePitch * length;
}

} // namespace

void AddRowName(Picture& picture, int left, int rowTop, std::string name, std::string note,
                Ink noteInk) {
    picture.AddLabel({left, rowTop + 3}, std::move(name));
    if (!note.empty()) {
        picture.AddLabel({left, rowTop + 3 + kLabelHeight}, std::move(note), noteInk);
    }
}

Trace::Trace(Picture& picture, int rowTop, bool high, int x)
    : picture_(picture), top_(rowTop), high_(high) {
    points_.push_back({x, Level()});
}

void Trace::To(int x) {
    const Point next{x, Level()};
    if (points_.empty() || !(points_.back() == next)) {
        points_.push_back(next);
    }
}

void Trace::Toggle(int x) {
    To(x);
    high_ = !high_;
    To(x);
}

void Trace::Dense(int x) {
    const int from = points_.back().x;
    Flush();
    if (x > from) {
        const int high = top_ + kHighLevel;
        const int low = top_ + kLowLevel;
        picture_.AddRectangle(ShapeKind::Fill, Ink::Band, {from, high, x, low});
        picture_.Add(ShapeKind::Line, Ink::Signal, {{from, high}, {x, high}});
        picture_.Add(ShapeKind::Line, Ink::Signal, {{from, low}, {x, low}});
    }
    points_ = {{x, Level()}};
}

void Trace::LinePulses(const PeriodAxis& axis, std::uint32_t first, std::uint32_t last,
                       std::uint32_t from, std::uint32_t to, std::uint32_t lineLength) {
    to = std::min(to, lineLength);
    for (std::size_t stretch = 0; stretch < axis.StretchCount(); ++stretch) {
        const std::uint32_t begin = std::max(first, axis.StretchStart(stretch));
        const std::uint32_t end = std::min(last, axis.StretchEnd(stretch));
        if (begin >= end) {
            continue;
        }
        To(axis.X(begin));
        if (TooClose(axis, stretch, 1)) {
            Dense(axis.X(end));
            continue;
        }
        for (std::uint64_t line = begin; line < end; ++line) {
            Toggle(axis.X(line * lineLength + from, lineLength));
            Toggle(axis.X(line * lineLength + to, lineLength));
        }
    }
}

void Trace::Toggles(const PeriodAxis& axis, std::uint32_t first, std::uint32_t last,
                    std::uint32_t every) {
    for (std::size_t stretch = 0; stretch < axis.StretchCount(); ++stretch) {
        const std::uint32_t begin = std::max(first, axis.StretchStart(stretch));
        const std::uint32_t end = std::min(last, axis.StretchEnd(stretch));
        if (begin >= end) {
            continue;
        }
        To(axis.X(begin));
        if (TooClose(axis, stretch, every)) {
            Dense(axis.X(end));
            continue;
        }
        for (std::uint32_t at = (begin + every - 1) / every * every; at < end; at += every) {
            if (at > first) {
                Toggle(axis.X(at));
            }
        }
    }
}

void Trace::Finish(int x) {
    To(x);
    Flush();
}

void Trace::Flush() {
    if (points_.size() >= 2) {
        picture_.Add(ShapeKind::Line, Ink::Signal, std::move(points_));
    }
    points_.clear();
}

void AddBus(Picture& picture, int rowTop, int x, int right) {
    const int high = rowTop + kHighLevel;
    const int low = rowTop + kLowLevel;
    const int middle = (high + low) / 2;
    picture.Add(ShapeKind::Line, Ink::Signal, {{x, middle}, {x + kCross, high}, {right, high}});
    picture.Add(ShapeKind::Line, Ink::Signal, {{x, middle}, {x + kCross, low}, {right, low}});
}

void AddBand(Picture& picture, int left, int right, int top, int bottom) {
    picture.AddRectangle(ShapeKind::Fill, Ink::Band, {left, top, right, bottom});
}

void AddGuides(Picture& picture, const PeriodAxis& axis, int top, int bottom, std::size_t beneath) {
    std::vector<Shape> guides;
    for (std::size_t stretch = 0; stretch <= axis.StretchCount(); ++stretch) {
        const std::uint32_t at =
            stretch < axis.StretchCount() ? axis.StretchStart(stretch) : axis.End();
        const int x = axis.X(at);
        guides.push_back({ShapeKind::Line, Ink::Guide, {{x, top}, {x, bottom}}, true});
    }
    picture.shapes.insert(picture.shapes.begin() + static_cast<std::ptrdiff_t>(beneath),
                          guides.begin(), guides.end());
}

void AddBreakMarks(Picture& picture, const PeriodAxis& axis, int firstRowTop, int rows) {
    if (!axis.Broken()) {
        return;
    }
    const std::size_t stretch = *axis.Broken();
    const int x = axis.X(axis.StretchStart(stretch)) + axis.Width(stretch) / 2;
    for (int row = 0; row < rows; ++row) {
        const int top = firstRowTop + row * kRowHeight + kHighLevel - kSlant;
        const int bottom = firstRowTop + row * kRowHeight + kLowLevel + kSlant;
        const int left = x - kBreakGap / 2 - kSlant / 2;
        const int right = left + kBreakGap;
        picture.Add(ShapeKind::Fill, Ink::Paper,
                    {{left, bottom}, {left + kSlant, top}, {right + kSlant, top}, {right, bottom}});
        picture.Add(ShapeKind::Line, Ink::Text, {{left, bottom}, {left + kSlant, top}});
        picture.Add(ShapeKind::Line, Ink::Text, {{right, bottom}, {right + kSlant, top}});
    }
}

} // namespace k7r::diagrams
