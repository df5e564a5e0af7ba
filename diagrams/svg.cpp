#include "diagrams/svg.h"

#include <cstdio>

namespace k7r::diagrams {
namespace {

constexpr const char* kFontFamily = "DejaVu Sans Mono, Liberation Mono, Courier New, monospace";

std::string ColourText(Ink ink) {
    const Rgb rgb = Colour(ink);
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    return text;
}

// Markup characters as entities; anything but printable ASCII as "?", so
// that the text stays well-formed whatever a label holds.
std::string Escaped(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c >= ' ' && c <= '~' ? c : '?';
        }
    }
    return escaped;
}

std::string Points(const Shape& shape) {
    std::string text;
    for (const Point& point : shape.points) {
        if (!text.empty()) {
            text += ' ';
        }
        text += std::to_string(point.x) + ',' + std::to_string(point.y);
    }
    return text;
}

std::string ShapeElement(const Shape& shape) {
    const std::string colour = ColourText(shape.ink);
    switch (shape.kind) {
    case ShapeKind::Line:
        return "<polyline points=\"" + Points(shape) + "\" fill=\"none\" stroke=\"" + colour +
               "\"" + (shape.dashed ? " stroke-dasharray=\"2,3\"" : "") + "/>\n";
    case ShapeKind::Outline:
        return "<polygon points=\"" + Points(shape) + "\" fill=\"none\" stroke=\"" + colour +
               "\"/>\n";
    case ShapeKind::Fill:
        return "<polygon points=\"" + Points(shape) + "\" fill=\"" + colour + "\"/>\n";
    }
    return {};
}

std::string LabelElements(const Label& label) {
    const Box box = label.Bounds();
    const std::string paper = ColourText(Ink::Paper);
    return "<rect x=\"" + std::to_string(box.left) + "\" y=\"" + std::to_string(box.top) +
           "\" width=\"" + std::to_string(box.right - box.left) + "\" height=\"" +
           std::to_string(kLabelHeight) + "\" fill=\"" + paper + "\"/>\n" + "<text x=\"" +
           std::to_string(box.left) + "\" y=\"" + std::to_string(box.top + kBaseline) +
           "\" textLength=\"" + std::to_string(box.right - box.left) +
           "\" lengthAdjust=\"spacingAndGlyphs\" fill=\"" + ColourText(label.ink) + "\"" +
           (label.bold ? " font-weight=\"bold\"" : "") + ">" + Escaped(label.text) + "</text>\n";
}

} // namespace

std::string RenderSvg(const Picture& picture, SvgUse use) {
    const std::string width = std::to_string(picture.width);
    const std::string height = std::to_string(picture.height);
    std::string svg = use == SvgUse::File ? "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" : "";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + width + "\" height=\"" + height +
           "\" viewBox=\"0 0 " + width + " " + height + "\" font-family=\"" + kFontFamily +
           "\" font-size=\"" + std::to_string(kFontSize) + "\">\n";
    svg += "<title>" + Escaped(picture.title) + "</title>\n";
    svg += "<rect width=\"" + width + "\" height=\"" + height + "\" fill=\"" +
           ColourText(Ink::Paper) + "\"/>\n";
    // Whole-pixel lines on the pixel grid, sharp rather than smeared over two.
    svg += "<g shape-rendering=\"crispEdges\" stroke-width=\"1\">\n";
    for (const Shape& shape : picture.shapes) {
        svg += ShapeElement(shape);
    }
    svg += "</g>\n";
    for (const Label& label : picture.labels) {
        svg += LabelElements(label);
    }
    svg += "</svg>\n";
    return svg;
}

} // namespace k7r::diagrams
