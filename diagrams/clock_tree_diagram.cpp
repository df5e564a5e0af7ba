#include "diagrams/clock_tree_diagram.h"

#include "diagrams/findings.h"
#include "diagrams/quantity_text.h"
#include "regs/clock_tree.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace k7r::diagrams {
namespace {

using namespace regs;

constexpr int kMargin = 12;
constexpr int kMinWidth = 640;
constexpr int kPadding = 8;
constexpr int kColumns = 5;
// Between two columns: the edges run down it, each in its own slot.
constexpr int kChannel = 48;
constexpr int kSlot = 12;
// Above the first row and below the last: the lanes of edges that pass
// columns by.
constexpr int kLane = 14;
constexpr int kRowGap = 40;
constexpr int kArrow = 6;

// The clocks in the order of the tree's computations.
enum NodeName { kClkI, kClkI2, kBclk, kMclk, kPclk, kFrameRate, kPwmClock, kNodeCount };

struct Node {
    int column = 0;
    int row = 0;
    std::vector<std::string> lines;
    Ink ink = Ink::Text;
    Box box;
    // Where the channel right of its column begins.
    int channel = 0;

    int Middle() const { return (box.top + box.bottom) / 2; }
};

// Which lane an edge that passes columns by takes, and its slot in each
// channel, so that no two edges share a stretch of line.
enum class Lane { Top, Bottom };
struct Edge {
    NodeName from;
    NodeName to;
    int slot;
    Lane lane;
};

constexpr std::uint32_t kShownSettings[] = {
    kIdClkI,           kIdClkI2,          kIdClockChip,   kIdBusClock,   kIdBclkSource,
    kIdBclkDivide,     kIdBclkDivideList, kIdMemoryClock, kIdMclkDivide, kIdMclkDivideRaw,
    kIdAutoMclkDivide, kIdPixelClock,     kIdPclkSource,  kIdPclkDivide, kIdPclkDivideRaw,
    kIdAutoPclkDivide, kIdFrameRate,      kIdPwmClock,    kIdPwmSource,  kIdPwmDivide,
    kIdPwmDivideRaw,   kIdPwmHigh,        kIdPwmEnabled,
};

std::string Number(std::uint32_t value) {
    return std::to_string(value);
}

Node MakeNode(int column, int row, std::vector<std::string> lines, Ink ink) {
    Node node;
    node.column = column;
    node.row = row;
    node.lines = std::move(lines);
    node.ink = ink;
    return node;
}

// An input clock and, while the clock chip is on, what it makes of it.
Node InputNode(config::WorkingConfig& config, const Findings& findings, std::uint32_t id,
               const char* name, int row) {
    Node node = MakeNode(0, row, {name, FrequencyLabel(GetFieldValue(config, id))},
                         findings.InkFor({id, kIdClockChip}));
    if (GetFieldValue(config, kIdClockChip) != 0) {
        node.lines.push_back("clock chip " + FrequencyLabel(ActualInputClockHz(config, id)));
    }
    return node;
}

std::array<Node, kNodeCount> Nodes(config::WorkingConfig& config, const Findings& findings) {
    const auto get = [&](std::uint32_t id) { return GetFieldValue(config, id); };
    const auto text = [&](std::uint32_t id) { return FormatFieldValue(config, id); };
    std::string bus = "no source";
    if (get(kIdBclkSource) == 0) {
        bus = text(kIdBclkSource) + " / " + Number(get(kIdBclkDivide));
    } else if (get(kIdBclkSource) == 1) {
        bus = text(kIdBclkSource);
    }
    const bool pwmOn = get(kIdPwmEnabled) != 0;
    std::string pwm = FrequencyLabel(get(kIdPwmClock));
    if (!pwmOn) {
        pwm = text(kIdPwmEnabled);
    } else if (get(kIdPwmHigh) != 0) {
        pwm = text(kIdPwmHigh);
    }
    return {
        InputNode(config, findings, kIdClkI, "CLKI", 0),
        InputNode(config, findings, kIdClkI2, "CLKI2", 1),
        MakeNode(1, 0, {"BCLK", bus, FrequencyLabel(get(kIdBusClock))},
                 findings.InkFor({kIdBusClock, kIdBclkSource, kIdBclkDivide, kIdBclkDivideList})),
        MakeNode(
            2, 0,
            {"MCLK", "BCLK / " + Number(get(kIdMclkDivide)), FrequencyLabel(get(kIdMemoryClock))},
            findings.InkFor({kIdMemoryClock, kIdMclkDivide, kIdMclkDivideRaw, kIdAutoMclkDivide})),
        MakeNode(3, 0,
                 {"PCLK", text(kIdPclkSource) + " / " + Number(get(kIdPclkDivide)),
                  FrequencyLabel(get(kIdPixelClock))},
                 findings.InkFor({kIdPixelClock, kIdPclkSource, kIdPclkDivide, kIdPclkDivideRaw,
                                  kIdAutoPclkDivide})),
        MakeNode(4, 0,
                 {"Frame Rate",
                  "PCLK / (" + Number(get(kIdHorzTotal)) + " x " + Number(get(kIdVertTotal)) + ")",
                  FrequencyLabel(FrameRate(config))},
                 findings.InkFor({kIdFrameRate})),
        MakeNode(4, 1,
                 {"PWMCLK", text(kIdPwmSource) + " / " + Number(get(kIdPwmDivide)) + " / 256", pwm},
                 findings.InkFor({kIdPwmClock, kIdPwmSource, kIdPwmDivide, kIdPwmDivideRaw,
                                  kIdPwmHigh, kIdPwmEnabled},
                                 pwmOn ? Ink::Text : Ink::Muted)),
    };
}

std::optional<NodeName> Source(std::uint32_t value, std::initializer_list<NodeName> sources) {
    if (value >= sources.size()) {
        return std::nullopt;
    }
    return sources.begin()[value];
}

std::vector<Edge> Edges(config::WorkingConfig& config) {
    std::vector<Edge> edges = {{kBclk, kMclk, 1, Lane::Top}, {kPclk, kFrameRate, 1, Lane::Top}};
    const auto add = [&](std::optional<NodeName> from, NodeName to, int slot, Lane lane) {
        if (from) {
            edges.push_back({*from, to, slot, lane});
        }
    };
    add(Source(GetFieldValue(config, kIdBclkSource), {kClkI, kClkI2}), kBclk, 1, Lane::Top);
    add(Source(GetFieldValue(config, kIdPclkSource), {kMclk, kBclk, kClkI, kClkI2}), kPclk, 2,
        Lane::Top);
    add(Source(GetFieldValue(config, kIdPwmSource), {kClkI, kClkI2, kBclk, kPclk}), kPwmClock, 3,
        Lane::Bottom);
    return edges;
}

// Places the boxes: each column as wide as its widest box, each row as high
// as its highest; returns the bottom of the last row.
int Place(std::array<Node, kNodeCount>& nodes, int top) {
    std::array<int, kColumns> widths{};
    std::array<int, 2> heights{};
    for (Node& node : nodes) {
        int width = 0;
        for (const std::string& line : node.lines) {
            width = std::max(width, TextWidth(line));
        }
        node.box.right = width + 2 * kPadding;
        node.box.bottom = static_cast<int>(node.lines.size()) * kLabelHeight + kPadding;
        auto& columnWidth = widths[static_cast<std::size_t>(node.column)];
        auto& rowHeight = heights[static_cast<std::size_t>(node.row)];
        columnWidth = std::max(columnWidth, node.box.right);
        rowHeight = std::max(rowHeight, node.box.bottom);
    }
    std::array<int, kColumns> lefts{};
    for (std::size_t column = 1; column < kColumns; ++column) {
        lefts[column] = lefts[column - 1] + widths[column - 1] + kChannel;
    }
    const std::array<int, 2> tops = {top, top + heights[0] + kRowGap};
    for (Node& node : nodes) {
        const int left = kMargin + lefts[static_cast<std::size_t>(node.column)];
        const int rowTop = tops[static_cast<std::size_t>(node.row)];
        node.box = {left, rowTop, left + node.box.right, rowTop + node.box.bottom};
        node.channel = left + widths[static_cast<std::size_t>(node.column)];
    }
    return tops[1] + heights[1];
}

// Out of the source's right side, along the channels (and a lane when the
// edge passes columns by) into the target's left side.
void AddEdge(Picture& picture, const std::array<Node, kNodeCount>& nodes, const Edge& edge,
             int topLane, int bottomLane) {
    const Node& from = nodes[edge.from];
    const Node& to = nodes[edge.to];
    const int out = from.channel + edge.slot * kSlot;
    const int in = to.box.left - kChannel + edge.slot * kSlot;
    std::vector<Point> points = {{from.box.right, from.Middle()}, {out, from.Middle()}};
    if (to.column > from.column + 1) {
        const int lane = edge.lane == Lane::Top ? topLane : bottomLane;
        points.push_back({out, lane});
        points.push_back({in, lane});
    }
    points.push_back({in, to.Middle()});
    points.push_back({to.box.left, to.Middle()});
    const Ink ink = to.ink == Ink::Muted ? Ink::Muted : Ink::Signal;
    picture.Add(ShapeKind::Line, ink, std::move(points));
    const Point tip{to.box.left, to.Middle()};
    picture.Add(ShapeKind::Fill, ink,
                {tip, {tip.x - kArrow, tip.y - kArrow / 2}, {tip.x - kArrow, tip.y + kArrow / 2}});
}

} // namespace

Picture ClockTreeDiagram(config::WorkingConfig& config) {
    const Findings findings(config, kShownSettings);
    std::array<Node, kNodeCount> nodes = Nodes(config, findings);
    Picture picture;
    picture.title = "Clock tree";
    picture.AddLabel({kMargin, kMargin}, picture.title, Ink::Text, true);
    const int rowsTop = kMargin + kLabelHeight + 2 * kLane;
    const int rowsBottom = Place(nodes, rowsTop);
    int right = 0;
    for (const Node& node : nodes) {
        right = std::max(right, node.box.right);
    }
    picture.width = std::max(kMinWidth, right + kMargin);

    // Edges into a switched-off clock first, so that a stretch it shares
    // with a running one shows the running one.
    std::vector<Edge> edges = Edges(config);
    std::stable_partition(edges.begin(), edges.end(),
                          [&](const Edge& edge) { return nodes[edge.to].ink == Ink::Muted; });
    for (const Edge& edge : edges) {
        AddEdge(picture, nodes, edge, rowsTop - kLane, rowsBottom + kLane);
    }
    for (const Node& node : nodes) {
        picture.AddRectangle(ShapeKind::Outline, node.ink, node.box);
        int y = node.box.top + kPadding / 2;
        for (const std::string& line : node.lines) {
            picture.AddLabel({node.box.left + kPadding, y}, line, node.ink,
                             &line == &node.lines[0]);
            y += kLabelHeight;
        }
    }
    picture.height = findings.AddTexts(picture, kMargin, rowsBottom + 2 * kLane) + kMargin;
    return picture;
}

} // namespace k7r::diagrams
