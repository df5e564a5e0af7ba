#include "cfgui/win32/picture_painter.h"

#include "cfgui/win32/gdi_object.h"

#include <vector>

namespace k7r::cfgui::win32 {
namespace {

COLORREF ColourOf(diagrams::Ink ink) {
    const diagrams::Rgb rgb = diagrams::Colour(ink);
    return RGB(rgb.red, rgb.green, rgb.blue);
}

// A GDI object selected into a device context for as long as it lives, and
// deleted afterwards.
template <typename Handle>
class Selected {
  public:
    Selected(HDC dc, Handle object) : dc_(dc), object_(object), old_(SelectObject(dc, object)) {}
    ~Selected() { SelectObject(dc_, old_); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

  private:
    HDC dc_;
    GdiObject<Handle> object_;
    HGDIOBJ old_;
};

void PaintShape(HDC dc, const diagrams::Shape& shape) {
    std::vector<POINT> points;
    for (const diagrams::Point& point : shape.points) {
        points.push_back({point.x, point.y});
    }
    const int count = static_cast<int>(points.size());
    const COLORREF colour = ColourOf(shape.ink);
    switch (shape.kind) {
    case diagrams::ShapeKind::Line: {
        const Selected pen(dc, CreatePen(shape.dashed ? PS_DOT : PS_SOLID, 1, colour));
        Polyline(dc, points.data(), count);
        break;
    }
    case diagrams::ShapeKind::Outline: {
        const Selected pen(dc, CreatePen(PS_SOLID, 1, colour));
        const HGDIOBJ brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        Polygon(dc, points.data(), count);
        SelectObject(dc, brush);
        break;
    }
    case diagrams::ShapeKind::Fill: {
        // Outlined in its own colour, so that the fill reaches the edges the
        // SVG fills up to.
        const Selected pen(dc, CreatePen(PS_SOLID, 1, colour));
        const Selected brush(dc, CreateSolidBrush(colour));
        Polygon(dc, points.data(), count);
        break;
    }
    }
}

HFONT LabelFont(bool bold) {
    return CreateFontA(-diagrams::kFontSize, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                       FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       ANTIALIASED_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
}

void PaintLabel(HDC dc, const diagrams::Label& label) {
    const Selected font(dc, LabelFont(label.bold));
    const diagrams::Box box = label.Bounds();
    const RECT paper{box.left, box.top, box.right, box.bottom};
    const std::vector<INT> advances(label.text.size(), diagrams::kCharAdvance);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SetTextColor(dc, ColourOf(label.ink));
    SetBkColor(dc, ColourOf(diagrams::Ink::Paper));
    // The font's cell centred in the label's box.
    const int top = box.top + (diagrams::kLabelHeight - metrics.tmHeight) / 2;
    ExtTextOutA(dc, box.left, top, ETO_OPAQUE | ETO_CLIPPED, &paper, label.text.data(),
                static_cast<UINT>(label.text.size()), advances.data());
}

} // namespace

void PaintPicture(HDC dc, const diagrams::Picture& picture) {
    const GdiObject<HDC> memoryDc(CreateCompatibleDC(dc));
    const HDC memory = memoryDc.Get();
    const Selected bitmap(memory, CreateCompatibleBitmap(dc, picture.width, picture.height));
    const RECT whole{0, 0, picture.width, picture.height};
    FillRect(memory, &whole,
             GdiObject<HBRUSH>(CreateSolidBrush(ColourOf(diagrams::Ink::Paper))).Get());
    for (const diagrams::Shape& shape : picture.shapes) {
        PaintShape(memory, shape);
    }
    for (const diagrams::Label& label : picture.labels) {
        PaintLabel(memory, label);
    }
    BitBlt(dc, 0, 0, picture.width, picture.height, memory, 0, 0, SRCCOPY);
}

} // namespace k7r::cfgui::win32
