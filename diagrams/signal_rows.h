#pragma once

#include "diagrams/period_axis.h"
#include "diagrams/picture.h"

#include <cstdint>
#include <string>
#include <vector>

// Signal rows over a period axis: the waveform, the signal's name and note
// left of the axis, the guides and break marks across the rows.
namespace k7r::diagrams {

// A row's levels, from its top.
inline constexpr int kRowHeight = 34;
inline constexpr int kHighLevel = 6;
inline constexpr int kLowLevel = 26;

// The name on the row's first line, the note (a polarity) on its second.
void AddRowName(Picture& picture, int left, int rowTop, std::string name, std::string note,
                Ink noteInk);

// One row's waveform, drawn left to right.
class Trace {
  public:
    Trace(Picture& picture, int rowTop, bool high, int x);
    // The level held to x.
    void To(int x);
    // The level held to x, then switched.
    void Toggle(int x);
    // From the current point to x the signal changes too often to draw: a
    // band between its levels. The level after it is the current one.
    void Dense(int x);
    // A pulse in every line from line `first` to `last`, active from `from`
    // to `to` pixels into each line of `lineLength` pixels.
    void LinePulses(const PeriodAxis& axis, std::uint32_t first, std::uint32_t last,
                    std::uint32_t from, std::uint32_t to, std::uint32_t lineLength);
    // A switch of level every `every` units from `first` to `last`.
    void Toggles(const PeriodAxis& axis, std::uint32_t first, std::uint32_t last,
                 std::uint32_t every);
    void Finish(int x);

  private:
    int Level() const { return high_ ? top_ + kHighLevel : top_ + kLowLevel; }
    void Flush();

    Picture& picture_;
    int top_;
    bool high_;
    std::vector<Point> points_;
};

// Either level, steady through the period from x to right: two lines that
// cross at x.
void AddBus(Picture& picture, int rowTop, int x, int right);

// The display period behind the rows.
void AddBand(Picture& picture, int left, int right, int top, int bottom);

// Dashed lines down from the rows through the dimensions at each position,
// drawn before the shape at `beneath`.
void AddGuides(Picture& picture, const PeriodAxis& axis, int top, int bottom, std::size_t beneath);

// Across each row, in the middle of the axis's broken stretch, if any.
void AddBreakMarks(Picture& picture, const PeriodAxis& axis, int firstRowTop, int rows);

} // namespace k7r::diagrams
