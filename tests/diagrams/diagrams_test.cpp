// The pictures of the panels that ship with the kit: the periods and rates
// the computations give, worked out by hand from PANELS.DEF, and every
// picture legible.
#include "config/default_records.h"
#include "config/working_config.h"
#include "diagrams/clock_tree_diagram.h"
#include "diagrams/svg.h"
#include "diagrams/timing_diagram.h"
#include "panels/panel_def_list.h"
#include "panels/panel_settings.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>

namespace k7r::diagrams {
namespace {

const panels::PanelDefList& ShippedPanels() {
    static const panels::PanelDefList list = [] {
        panels::PanelDefList loaded;
        EXPECT_TRUE(loaded.Load([](const std::string& text) { ADD_FAILURE() << text; }));
        return loaded;
    }();
    return list;
}

config::WorkingConfig WithPanel(const panels::PanelDef& panel) {
    config::WorkingConfig config(TemplateRecord);
    EXPECT_TRUE(panels::ApplyPredefinedPanel(config, panel).applied) << panel.name;
    return config;
}

config::WorkingConfig WithPanel(std::string_view name) {
    const auto shipped = ShippedPanels().Entries();
    const auto found = std::ranges::find(shipped, name, &panels::PanelDef::name);
    EXPECT_NE(found, shipped.end()) << "no panel " << name;
    return found == shipped.end() ? config::WorkingConfig(TemplateRecord) : WithPanel(*found);
}

const Label* FindLabel(const Picture& picture, std::string_view text) {
    const auto found = std::ranges::find(picture.labels, text, &Label::text);
    return found == picture.labels.end() ? nullptr : &*found;
}

// Every label of both pictures of three panel types, against texts checked
// by hand from PANELS.DEF: 25.175 MHz, 800 x 525 (31.777 us a line, 59 Hz);
// 3 MHz, 232 x 200 (77.333 us, 64 Hz); 6.25 MHz, 360 x 242 (57.600 us,
// 71 Hz), where DRDY is the MOD signal.
TEST(TimingDiagram, LabelsOfEachPanelTypeAndTheSettingsValidationNames) {
    std::string labels;
    for (const char* panel :
         {"VGA TFT 640x480 18-bit", "HR-TFT 160x160 18-bit", "Mono STN 320x240 4-bit"}) {
        config::WorkingConfig config = WithPanel(panel);
        labels += std::string("[") + panel + "]\n";
        for (const Picture& picture : {TimingDiagram(config), ClockTreeDiagram(config)}) {
            for (const Label& label : picture.labels) {
                labels += label.text + "\n";
            }
        }
    }
    EXPECT_EQ(labels, test::ReadText(K7R_SOURCE_DIR "/tests/diagrams/panel_labels.txt"));
    // A rule's message below the picture, and what it names drawn marked.
    config::WorkingConfig config = WithPanel("VGA TFT 640x480 18-bit");
    regs::SetFieldValue(config, regs::kIdHorzTotal, 648);
    regs::SetFieldValue(config, regs::kIdHorzStart, 8);
    const Picture timing = TimingDiagram(config);
    const Label* total = FindLabel(timing, "Horz Total 648 pixels = 25.739 us, 38.850 KHz");
    ASSERT_NE(total, nullptr);
    EXPECT_EQ(total->ink, Ink::Flagged);
    EXPECT_EQ(FindLabel(timing, "FPLINE Width 96 pixels = 3.813 us")->ink, Ink::Text);
    const Label* message = FindLabel(
        timing, "ERROR: Horz Total is less than or equal to (Horz Start Pos + Horz Disp Period).");
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->ink, Ink::Flagged);
    // The memory warning names no setting the picture shows.
    EXPECT_TRUE(std::ranges::none_of(
        timing.labels, [](const Label& label) { return label.text.starts_with("Warning"); }));

    regs::SetFieldValue(config, regs::kIdClkI, 6000000); // MCLK 6 MHz < 25.175 / 2
    const Picture clocks = ClockTreeDiagram(config);
    EXPECT_EQ(FindLabel(clocks, "MCLK")->ink, Ink::Flagged);
    EXPECT_EQ(FindLabel(clocks, "PCLK")->ink, Ink::Flagged);
    EXPECT_EQ(FindLabel(clocks, "CLKI2")->ink, Ink::Text);
    EXPECT_NE(FindLabel(clocks, "ERROR: MCLK is less than PCLK/(16/BPP)."), nullptr);
}

void ExpectLegible(const Picture& picture, const std::string& name) {
    const Box whole{0, 0, picture.width, picture.height};
    for (std::size_t i = 0; i < picture.labels.size(); ++i) {
        const Label& label = picture.labels[i];
        EXPECT_TRUE(label.Bounds().Within(whole)) << name << ": " << label.text;
        for (std::size_t j = i + 1; j < picture.labels.size(); ++j) {
            EXPECT_FALSE(label.Bounds().Overlaps(picture.labels[j].Bounds()))
                << name << ": " << label.text << " / " << picture.labels[j].text;
        }
    }
}

// Every shipped panel, as it comes and with its horizontal total too short
// (which adds a message), gives pictures whose labels stay clear of each
// other inside the picture, and SVG that an XML parser reads.
TEST(Pictures, EveryShippedPanelIsLegible) {
    const std::string directory = test::ScratchDirectory();
    std::string files;
    std::size_t count = 0;
    for (const panels::PanelDef& panel : ShippedPanels().Entries()) {
        config::WorkingConfig config = WithPanel(panel);
        for (const bool broken : {false, true}) {
            if (broken) {
                regs::SetFieldValue(config, regs::kIdHorzTotal, 8);
            }
            for (const Picture& picture : {TimingDiagram(config), ClockTreeDiagram(config)}) {
                ExpectLegible(picture, panel.name + (broken ? " (broken)" : ""));
                const std::string path = directory + "/" + std::to_string(count++) + ".svg";
                test::WriteText(path, RenderSvg(picture, SvgUse::File));
                files += " " + path;
            }
        }
    }
    EXPECT_EQ(count, 4 * ShippedPanels().Count());
#ifndef _WIN32
    const std::string parse = "python3 -c 'import sys, xml.etree.ElementTree as tree\n"
                              "for path in sys.argv[1:]: tree.parse(path)'";
    EXPECT_EQ(std::system((parse + files).c_str()), 0);
#endif
}

} // namespace
} // namespace k7r::diagrams
