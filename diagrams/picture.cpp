#include "diagrams/picture.h"

#include <utility>

namespace k7r::diagrams {

int TextWidth(std::string_view text) {
    return static_cast<int>(text.size()) * kCharAdvance;
}

Box Label::Bounds() const {
    return {at.x, at.y, at.x + TextWidth(text), at.y + kLabelHeight};
}

void Picture::Add(ShapeKind kind, Ink ink, std::vector<Point> points, bool dashed) {
    shapes.push_back({kind, ink, std::move(points), dashed});
}

void Picture::AddRectangle(ShapeKind kind, Ink ink, const Box& box) {
    Add(kind, ink,
        {{box.left, box.top},
         {box.right, box.top},
         {box.right, box.bottom},
         {box.left, box.bottom}});
}

void Picture::AddLabel(Point at, std::string text, Ink ink, bool bold) {
    labels.push_back({at, std::move(text), ink, bold});
}

} // namespace k7r::diagrams
