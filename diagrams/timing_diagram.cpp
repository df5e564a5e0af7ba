#include "diagrams/timing_diagram.h"

#include "diagrams/dimensions.h"
#include "diagrams/findings.h"
#include "diagrams/period_axis.h"
#include "diagrams/quantity_text.h"
#include "diagrams/signal_rows.h"
#include "regs/clock_tree.h"
#include "regs/field_values.h"
#include "regs/panel_type.h"
#include "regs/setting_ids.h"

#include <algorithm>

namespace k7r::diagrams {
namespace {

using namespace regs;

constexpr int kWidth = 900;
constexpr int kMargin = 12;
// Signal names and their notes ("Active High") fit left of the axis.
constexpr int kAxisLeft = kMargin + 11 * kCharAdvance + 12;
constexpr int kAxisRight = kWidth - kMargin;
constexpr int kHeadingSpace = kLabelHeight + 6;
constexpr int kSectionGap = 18;

constexpr std::uint32_t kShownSettings[] = {
    kIdPanelType, kIdPixelClock, kIdFrameRate,    kIdModRate,      kIdHorzTotal, kIdHorzDisplay,
    kIdHorzStart, kIdFplinePol,  kIdFplineWidth,  kIdFplineStart,  kIdVertTotal, kIdVertDisplay,
    kIdVertStart, kIdFpframePol, kIdFpframeWidth, kIdFpframeStart,
};

// The settings the picture draws, as the pages show them.
struct Timing {
    std::uint32_t pclk;
    bool stn;
    std::uint32_t ht, hdp, hps, lineStart, lineWidth;
    bool lineHigh;
    std::uint32_t vt, vdp, vps, frameStart, frameWidth;
    bool frameHigh;
    std::uint32_t modRate;
};

Timing ReadTiming(config::WorkingConfig& config) {
    const auto get = [&](std::uint32_t id) { return GetFieldValue(config, id); };
    return {get(kIdPixelClock),   get(kIdPanelType) == kPanelStn,
            get(kIdHorzTotal),    get(kIdHorzDisplay),
            get(kIdHorzStart),    get(kIdFplineStart),
            get(kIdFplineWidth),  get(kIdFplinePol) != 0,
            get(kIdVertTotal),    get(kIdVertDisplay),
            get(kIdVertStart),    get(kIdFpframeStart),
            get(kIdFpframeWidth), get(kIdFpframePol) != 0,
            get(kIdModRate)};
}

// "Horz Start Pos 144 pixels = 5.720 us": a count of pixels, or of lines of
// `pixelsPerUnit` pixels, and how long it lasts.
Dimension Measured(const Findings& findings, std::uint32_t id, std::uint32_t from,
                   std::uint32_t count, std::uint32_t pixelsPerUnit, std::uint32_t pclk) {
    return {from, from + count,
            CountText(id, count) + " = " + DurationText(std::uint64_t{count} * pixelsPerUnit, pclk),
            findings.InkFor({id})};
}

// One line: FPLINE and DRDY over the horizontal total.
int AddLinePeriod(Picture& picture, config::WorkingConfig& config, const Findings& findings,
                  const Timing& t, int top) {
    picture.AddLabel({kMargin, top}, "Line period", Ink::Text, true);
    top += kHeadingSpace;
    const std::uint32_t displayEnd = t.hps + t.hdp;
    const std::uint32_t lineEnd = t.lineStart + t.lineWidth;
    const PeriodAxis axis({t.ht, t.hps, displayEnd, t.lineStart, lineEnd}, kAxisLeft, kAxisRight);
    const int rowsBottom = top + 2 * kRowHeight;
    AddBand(picture, axis.X(t.hps), axis.X(displayEnd), top, rowsBottom);
    const std::size_t beneathSignals = picture.shapes.size();

    const int fpline = top;
    AddRowName(picture, kMargin, fpline, "FPLINE", FormatFieldValue(config, kIdFplinePol),
               findings.InkFor({kIdFplinePol}, Ink::Muted));
    Trace line(picture, fpline, !t.lineHigh, kAxisLeft);
    line.Toggle(axis.X(t.lineStart));
    line.Toggle(axis.X(lineEnd));
    line.Finish(kAxisRight);

    const int drdy = top + kRowHeight;
    if (t.stn) {
        AddRowName(picture, kMargin, drdy, "DRDY", "MOD", Ink::Muted);
        AddBus(picture, drdy, kAxisLeft, kAxisRight);
    } else {
        AddRowName(picture, kMargin, drdy, "DRDY", "", Ink::Muted);
        Trace enable(picture, drdy, false, kAxisLeft);
        enable.Toggle(axis.X(t.hps));
        enable.Toggle(axis.X(displayEnd));
        enable.Finish(kAxisRight);
    }
    AddBreakMarks(picture, axis, top, 2);

    const std::uint32_t lineRate = t.ht == 0 ? 0 : t.pclk / t.ht;
    Dimension total = Measured(findings, kIdHorzTotal, 0, t.ht, 1, t.pclk);
    total.label += ", " + FrequencyLabel(lineRate);
    const int bottom =
        AddDimensions(picture, axis,
                      {total, Measured(findings, kIdHorzStart, 0, t.hps, 1, t.pclk),
                       Measured(findings, kIdHorzDisplay, t.hps, t.hdp, 1, t.pclk),
                       Measured(findings, kIdFplineStart, 0, t.lineStart, 1, t.pclk),
                       Measured(findings, kIdFplineWidth, t.lineStart, t.lineWidth, 1, t.pclk)},
                      kMargin, rowsBottom + 4);
    AddGuides(picture, axis, top, bottom, beneathSignals);
    return bottom;
}

// One frame: FPFRAME, FPLINE and DRDY over the vertical total.
int AddFramePeriod(Picture& picture, config::WorkingConfig& config, const Findings& findings,
                   const Timing& t, int top) {
    picture.AddLabel({kMargin, top}, "Frame period", Ink::Text, true);
    top += kHeadingSpace;
    const std::uint32_t displayEnd = t.vps + t.vdp;
    const std::uint32_t frameEnd = t.frameStart + t.frameWidth;
    std::vector<std::uint32_t> positions = {t.vt, t.vps, displayEnd, t.frameStart, frameEnd};
    const bool modLines = t.stn && t.modRate != 0;
    if (modLines) {
        positions.push_back(t.modRate);
    }
    const PeriodAxis axis(positions, kAxisLeft, kAxisRight);
    const std::uint32_t end = axis.End();
    const int rowsBottom = top + 3 * kRowHeight;
    AddBand(picture, axis.X(t.vps), axis.X(displayEnd), top, rowsBottom);
    const std::size_t beneathSignals = picture.shapes.size();

    const int fpframe = top;
    AddRowName(picture, kMargin, fpframe, "FPFRAME", FormatFieldValue(config, kIdFpframePol),
               findings.InkFor({kIdFpframePol}, Ink::Muted));
    Trace frame(picture, fpframe, !t.frameHigh, kAxisLeft);
    frame.Toggle(axis.X(t.frameStart));
    frame.Toggle(axis.X(frameEnd));
    frame.Finish(kAxisRight);

    const int fpline = top + kRowHeight;
    AddRowName(picture, kMargin, fpline, "FPLINE", FormatFieldValue(config, kIdFplinePol),
               findings.InkFor({kIdFplinePol}, Ink::Muted));
    Trace line(picture, fpline, !t.lineHigh, kAxisLeft);
    line.LinePulses(axis, 0, end, t.lineStart, t.lineStart + t.lineWidth, t.ht);
    line.Finish(kAxisRight);

    const int drdy = top + 2 * kRowHeight;
    AddRowName(picture, kMargin, drdy, "DRDY", t.stn ? "MOD" : "", Ink::Muted);
    if (!t.stn) {
        Trace enable(picture, drdy, false, kAxisLeft);
        enable.LinePulses(axis, t.vps, displayEnd, t.hps, t.hps + t.hdp, t.ht);
        enable.Finish(kAxisRight);
    } else if (modLines) {
        Trace mod(picture, drdy, true, kAxisLeft);
        mod.Toggles(axis, 0, end, t.modRate);
        mod.Finish(kAxisRight);
    } else {
        AddBus(picture, drdy, kAxisLeft, kAxisRight);
    }
    AddBreakMarks(picture, axis, top, 3);

    Dimension total = Measured(findings, kIdVertTotal, 0, t.vt, t.ht, t.pclk);
    total.label += ", " + FrequencyLabel(FrameRate(config));
    total.ink = findings.InkFor({kIdVertTotal, kIdFrameRate});
    std::vector<Dimension> dimensions = {
        total, Measured(findings, kIdVertStart, 0, t.vps, t.ht, t.pclk),
        Measured(findings, kIdVertDisplay, t.vps, t.vdp, t.ht, t.pclk),
        Measured(findings, kIdFpframeStart, 0, t.frameStart, t.ht, t.pclk),
        Measured(findings, kIdFpframeWidth, t.frameStart, t.frameWidth, t.ht, t.pclk)};
    if (modLines) {
        dimensions.push_back(Measured(findings, kIdModRate, 0, t.modRate, t.ht, t.pclk));
    }
    const int bottom = AddDimensions(picture, axis, std::move(dimensions), kMargin, rowsBottom + 4);
    AddGuides(picture, axis, top, bottom, beneathSignals);
    return bottom;
}

} // namespace

Picture TimingDiagram(config::WorkingConfig& config) {
    const Timing t = ReadTiming(config);
    const Findings findings(config, kShownSettings);
    Picture picture;
    picture.width = kWidth;
    picture.title = "Panel timing: " + FormatFieldValue(config, kIdPanelType) + ", PCLK " +
                    FrequencyLabel(t.pclk);
    picture.AddLabel({kMargin, kMargin}, picture.title, findings.InkFor({kIdPixelClock}), true);
    int y = AddLinePeriod(picture, config, findings, t, kMargin + kHeadingSpace + 6);
    y = AddFramePeriod(picture, config, findings, t, y + kSectionGap);
    picture.height = findings.AddTexts(picture, kMargin, y + kSectionGap) + kMargin;
    return picture;
}

} // namespace k7r::diagrams
