#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A picture as a short list of shapes and labels in whole pixels, so that
// every renderer on every build draws the same thing and the SVG renderer
// writes the same bytes.
namespace k7r::diagrams {

// Labels are set in a fixed-pitch font in which every character advances
// kCharAdvance pixels; both renderers hold the font to that advance, so a
// label's box is known before it is drawn. Label texts are ASCII.
inline constexpr int kCharAdvance = 7;
inline constexpr int kFontSize = 12;    // the font's em
inline constexpr int kLabelHeight = 14; // a label's box
inline constexpr int kBaseline = 11;    // from a label's top to its baseline

// What a shape or label is drawn with.
enum class Ink : std::uint8_t {
    Text,    // labels, outlines
    Signal,  // waveforms and the arrows of the clock tree
    Guide,   // dimension lines and guides
    Band,    // the display periods behind the waveforms
    Flagged, // what a diagnostics message names
    Muted,   // what is switched off
    Paper,   // the background
};

struct Rgb {
    std::uint8_t red, green, blue;
};
// Indexed by Ink.
inline constexpr std::array<Rgb, 7> kInkColours = {{
    {0, 0, 0},       // Text
    {0, 64, 160},    // Signal
    {112, 112, 112}, // Guide
    {214, 232, 214}, // Band
    {200, 0, 0},     // Flagged
    {150, 150, 150}, // Muted
    {255, 255, 255}, // Paper
}};
inline constexpr Rgb Colour(Ink ink) {
    return kInkColours[static_cast<std::size_t>(ink)];
}

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Right and bottom are outside the box.
struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool Overlaps(const Box& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    bool Within(const Box& outer) const {
        return left >= outer.left && top >= outer.top && right <= outer.right &&
               bottom <= outer.bottom;
    }
};

enum class ShapeKind : std::uint8_t {
    Line,    // the points joined, open
    Outline, // the points joined and closed
    Fill,    // the closed area filled, without an outline
};

struct Shape {
    ShapeKind kind = ShapeKind::Line;
    Ink ink = Ink::Text;
    std::vector<Point> points;
    bool dashed = false;
};

// A label is drawn on paper, over the shapes.
struct Label {
    Point at; // the top left corner of its box
    std::string text;
    Ink ink = Ink::Text;
    bool bold = false;

    Box Bounds() const;
};

int TextWidth(std::string_view text);

struct Picture {
    std::string title;
    int width = 0;
    int height = 0;
    // Drawn in order, before the labels.
    std::vector<Shape> shapes;
    std::vector<Label> labels;

    void Add(ShapeKind kind, Ink ink, std::vector<Point> points, bool dashed = false);
    void AddRectangle(ShapeKind kind, Ink ink, const Box& box);
    void AddLabel(Point at, std::string text, Ink ink = Ink::Text, bool bold = false);
};

} // namespace k7r::diagrams
