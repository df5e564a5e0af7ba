// The two windows that draw the configuration, over fake controls. The
// preview: what it draws and when, the zoom the window's size gives, the
// Show list, picture files, saving, what it keeps for the next opening, and
// the Direct tab's live board. The diagrams: the picture shown and its
// following every change.
#include "cfgui/application.h"
#include "cfgui/dialogs/diagrams_dialog.h"
#include "cfgui/dialogs/preview_dialog.h"
#include "cfgui/picture_zoom.h"
#include "edit/chip_session.h"
#include "edit/setting_edit.h"
#include "edit/test_pattern.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"
#include "tests/cfgui/fake_view.h"
#include "tests/emu/png_reader.h"
#include "tests/hal/chip_fixture.h"
#include "tests/support/test_files.h"

#include <algorithm>
#include <deque>

namespace k7r::cfgui {
namespace {

// On an emulated board, for the Direct tab's live picture.
class PreviewDialogTest : public test::ChipTest {
  protected:
    PreviewDialog Make() {
        return PreviewDialog(
            view, app,
            {.showPicture = [this](const emu::Picture& zoomed) { painted.push_back(zoomed); },
             .chooseFile =
                 [this](const FileRequest& request) {
                     asked.emplace_back(request.title);
                     std::optional<std::string> answer = answers.front();
                     answers.pop_front();
                     return answer;
                 },
             .showFailure = [this](const std::string& text) { failures.push_back(text); }});
    }
    // As a page changes a setting.
    void Set(std::uint32_t id, std::string_view text) {
        ASSERT_TRUE(edit::SetSettingText(app.session, id, text).accepted());
    }

    Application app{ViewerRecord};
    fake::FakeView view;
    std::vector<emu::Picture> painted;
    std::vector<std::string> asked;
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> failures;
};

TEST(PictureZoom, LargestOfOneToFourThatFits) {
    emu::Picture picture{.width = 320, .height = 240, .rgb = {}};
    EXPECT_EQ(ZoomFor(640, 480, picture), 2u);
    EXPECT_EQ(ZoomFor(959, 2000, picture), 2u);
    EXPECT_EQ(ZoomFor(5000, 5000, picture), 4u);
    EXPECT_EQ(ZoomFor(100, 100, picture), 1u);

    picture = {.width = 2, .height = 1, .rgb = {1, 2, 3, 4, 5, 6}};
    const emu::Picture zoomed = Zoomed(picture, 3);
    EXPECT_EQ(zoomed.width, 6u);
    EXPECT_EQ(zoomed.height, 3u);
    for (std::uint32_t y = 0; y < 3; ++y) {
        EXPECT_EQ(zoomed.Pixel(2, y), 0x010203u);
        EXPECT_EQ(zoomed.Pixel(3, y), 0x040506u);
    }
}

// It opens on the test pattern at 2x; changes between two ticks draw once;
// a tick without a change draws nothing.
TEST_F(PreviewDialogTest, OpensOnTheTestPatternAndFollowsChangesOncePerTick) {
    PreviewDialog dialog = Make();
    const PreviewDialog::Size area = dialog.Open();
    EXPECT_EQ(area.width, 640u);
    EXPECT_EQ(area.height, 480u);
    EXPECT_EQ(view[IDC_PREVIEW_SHOW].items, (Texts{"Test pattern", "Picture file"}));
    EXPECT_EQ(view[IDC_PREVIEW_SHOW].selection, 0);
    EXPECT_EQ(view[IDC_PREVIEW_STATUS].text.rfind("Panel 320 x 240 as mounted", 0), 0u);
    ASSERT_EQ(painted.size(), 1u);
    EXPECT_TRUE(test::SamePicture(painted[0], Zoomed(dialog.Shown().picture, 2)));
    dialog.Resized(640, 480);
    dialog.Tick();
    EXPECT_EQ(painted.size(), 1u);

    Set(regs::kIdBitsPerPixel, "4");
    Set(regs::kIdBitsPerPixel, "16");
    dialog.Tick();
    ASSERT_EQ(painted.size(), 2u);
    dialog.Tick();
    EXPECT_EQ(painted.size(), 2u);

    // Turned, the picture no longer fits the area at 2x.
    Set(regs::kIdSwivelView, "90");
    dialog.Tick();
    EXPECT_EQ(dialog.Shown().status[0], "Panel 240 x 320 as mounted, 16 bpp colour, SwivelView 90");
    EXPECT_EQ(dialog.Zoom(), 1u);
    EXPECT_EQ(painted.back().width, 240u);
}

TEST_F(PreviewDialogTest, TheWindowsSizeChoosesTheZoomAndTheNextOpeningKeepsIt) {
    {
        PreviewDialog dialog = Make();
        dialog.Open();
        dialog.Resized(1000, 900);
        EXPECT_EQ(dialog.Zoom(), 3u);
        EXPECT_EQ(painted.back().width, 960u);
        dialog.Closing(700, 40);
    }
    EXPECT_TRUE(app.preview.placed);
    EXPECT_EQ(app.preview.left, 700);
    EXPECT_EQ(app.preview.top, 40);
    PreviewDialog again = Make();
    EXPECT_EQ(again.Open().width, 960u);
}

TEST_F(PreviewDialogTest, PictureFileIsAskedForAndKept) {
    PreviewDialog dialog = Make();
    dialog.Open();
    // Without a file chosen the list goes back to the test pattern.
    answers = {std::nullopt};
    view.Select(IDC_PREVIEW_SHOW, 1);
    dialog.OnControl(IDC_PREVIEW_SHOW, ControlEvent::SelectionChanged);
    EXPECT_EQ(view[IDC_PREVIEW_SHOW].selection, 0);
    EXPECT_EQ(asked, Texts{"Open Picture"});

    const std::string picture = test::ScratchDirectory() + "/missing.gif";
    answers = {picture};
    dialog.OnControl(IDC_PREVIEW_PICTURE_FILE, ControlEvent::Clicked);
    EXPECT_EQ(view[IDC_PREVIEW_SHOW].selection, 1);
    EXPECT_EQ(app.preview.showing, PreviewShowing::PictureFile);
    EXPECT_EQ(app.preview.picturePath, picture);
    EXPECT_NE(view[IDC_PREVIEW_STATUS].text.find("The picture is not shown: ERROR: Failed to "
                                                 "open image file:'" +
                                                 picture + "'"),
              std::string::npos);
}

TEST_F(PreviewDialogTest, SavesThePictureAsShownUnzoomed) {
    PreviewDialog dialog = Make();
    dialog.Open();
    const std::string directory = test::ScratchDirectory();
    answers = {directory + "/panel.png", directory + "/no/such/panel.png"};
    dialog.OnControl(IDC_PREVIEW_SAVE, ControlEvent::Clicked);
    const std::optional<emu::Picture> saved = test::ReadPng(directory + "/panel.png");
    ASSERT_TRUE(saved.has_value());
    EXPECT_TRUE(test::SamePicture(*saved, dialog.Shown().picture));
    EXPECT_TRUE(failures.empty());
    dialog.OnControl(IDC_PREVIEW_SAVE, ControlEvent::Clicked);
    EXPECT_EQ(failures.size(), 1u);
}

// While the Direct tab keeps the emulated board live, the preview shows what
// the Direct tab draws there, and says so.
TEST_F(PreviewDialogTest, ShowsTheLiveEmulatedBoardLabelled) {
    config::WorkingConfig& config = app.session.config;
    ASSERT_TRUE(edit::InitializeFromWorkingConfig(config, {}));
    edit::SetLive(config, true);

    PreviewDialog dialog = Make();
    dialog.Open();
    EXPECT_EQ(dialog.Shown().status[0], "Live: the Direct tab's emulated board");
    EXPECT_EQ(dialog.Shown().picture.Pixel(0, 0), 0u); // cleared, no pattern yet
    edit::DrawTestPattern(config, true);
    dialog.Tick();
    EXPECT_EQ(dialog.Shown().picture.Pixel(0, 0), 0xFFFFFFu);

    edit::SetLive(config, false);
    dialog.Tick();
    EXPECT_EQ(dialog.Shown().status[0].rfind("Panel ", 0), 0u);
}

class DiagramsWindow : public testing::Test {
  protected:
    Application app{TemplateRecord};
    std::vector<diagrams::Picture> shown;
    DiagramsDialog dialog{app,
                          [this](const diagrams::Picture& picture) { shown.push_back(picture); }};
    fake::FakeView view;
};

TEST_F(DiagramsWindow, OpensOnTheTimingDiagramAndSwitchesToTheClockTree) {
    dialog.Open(view);
    EXPECT_EQ(view[IDC_DIAGRAMS_SHOW].items, (Texts{"Panel timing", "Clock tree"}));
    EXPECT_EQ(view[IDC_DIAGRAMS_SHOW].selection, 0);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown.back().title.starts_with("Panel timing"));

    view[IDC_DIAGRAMS_SHOW].selection = 1;
    dialog.OnControl(view, IDC_DIAGRAMS_SHOW, ControlEvent::SelectionChanged);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown.back().title, "Clock tree");

    // Opened again, the window shows what it showed.
    fake::FakeView reopened;
    dialog.Open(reopened);
    EXPECT_EQ(reopened[IDC_DIAGRAMS_SHOW].selection, 1);
    EXPECT_EQ(shown.back().title, "Clock tree");
}

// A change draws once, at the next tick; ticks without a change draw
// nothing.
TEST_F(DiagramsWindow, FollowsEveryChangeOfTheConfiguration) {
    dialog.Open(view);
    dialog.Tick();
    EXPECT_EQ(shown.size(), 1u);
    const std::uint32_t total = regs::GetFieldValue(app.session.config, regs::kIdHorzTotal);
    regs::SetFieldValue(app.session.config, regs::kIdHorzTotal, total + 8);
    regs::SetFieldValue(app.session.config, regs::kIdHorzTotal, total + 16);
    dialog.Tick();
    dialog.Tick();
    ASSERT_EQ(shown.size(), 2u);
    const std::string latest = "Horz Total " + std::to_string(total + 16) + " ";
    const auto showsLatest = [&](const diagrams::Label& label) {
        return label.text.starts_with(latest);
    };
    EXPECT_EQ(std::ranges::count_if(shown.back().labels, showsLatest), 1);
}

} // namespace
} // namespace k7r::cfgui
