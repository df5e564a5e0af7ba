// The Export dialog, its save dialog's buttons and the Export Options
// dialog, driven through the fake view.
#include "cfgui/application.h"
#include "cfgui/dialogs/export_dialog.h"
#include "cfgui/dialogs/export_options_dialog.h"
#include "config/default_records.h"
#include "export/output_file.h"
#include "platform/directory.h"
#include "tests/cfgui/fake_view.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

namespace k7r::cfgui {
namespace {

constexpr std::size_t kAppCfg = 0;
constexpr std::size_t kModeHeader = 2;
constexpr std::size_t kGenericHeader = 3;
constexpr std::size_t kHtml = 5;

class ExportDialogs : public testing::Test {
  protected:
    const exporter::ExportKind& Kind(std::size_t index) { return exporter::ExportKinds()[index]; }
    std::string InTemporary(const std::string& name) {
        return platform::JoinPath(services.temporaryDirectory, name);
    }

    Application app{TemplateRecord};
    fake::FakeView view;
    fake::RecordingLauncher launcher;
    std::vector<std::string> shown;
    ExportServices services{app, launcher, test::ScratchDirectory(),
                            [this](const std::string& text) { shown.push_back(text); }};
};

TEST_F(ExportDialogs, ListShowsTheSixKindsAndChoosesTheSelectedOne) {
    app.exportOptions.ModeNumber = 12;
    ExportDialog dialog(view, app.exportOptions);
    dialog.Open();
    EXPECT_EQ(view[IDC_EXPORT_KINDS].items,
              (Texts{"C Header File for K7R58C22 HAL-Based Applications\t[appcfg.h]",
                     "C Header File Defining a Map of K7R58C22 Registers\t[chip.h]",
                     "C Header File for K7R58C22 WinCE Drivers \t\t[mode12.h]",
                     "C Header File for K7R58C22 Generic Drivers \t\t[k7r58c22.h]",
                     "Comma-Delimited File Containing Current Configuration\t[k7r58c22.csv]",
                     "K7R58C22 Register Quick Reference\t\t\t[k7r58c22.html]"}));
    EXPECT_EQ(view[IDC_EXPORT_KINDS].selection, 0);

    EXPECT_EQ(dialog.OnControl(IDC_DIALOG_OK, ControlEvent::Clicked), 0u);
    view.Select(IDC_EXPORT_KINDS, 4);
    EXPECT_EQ(dialog.OnControl(IDC_EXPORT_KINDS, ControlEvent::DoubleClicked), 4u);
    EXPECT_EQ(dialog.OnControl(IDC_EXPORT_KINDS, ControlEvent::SelectionChanged), std::nullopt);
    EXPECT_EQ(dialog.OnControl(IDC_DIALOG_CANCEL, ControlEvent::Clicked), std::nullopt);
}

TEST_F(ExportDialogs, SaveDialogOffersTheKindsFilterExtensionNameAndOptions) {
    app.exportOptions.ModeNumber = 7;
    const ExportSaveSetup page = SaveSetupFor(Kind(kHtml), app.exportOptions);
    EXPECT_EQ(page.title, "Export As");
    ASSERT_EQ(page.filters.size(), 2u);
    EXPECT_EQ(page.filters[0].label, "Web Page Files (*.html)");
    EXPECT_EQ(page.filters[0].patterns, "*.html");
    EXPECT_EQ(page.defaultExtension, "html");
    EXPECT_EQ(page.initialName, "k7r58c22.html");
    EXPECT_EQ(SaveSetupFor(Kind(kModeHeader), app.exportOptions).initialName, "mode7.h");

    // Options only for the driver headers; the mode header's name follows them.
    for (std::size_t index = 0; index < exporter::ExportKinds().size(); ++index) {
        ExportSaveExtras extras(view, services, Kind(index));
        extras.Open();
        EXPECT_EQ(view[IDC_EXPORT_OPTIONS].enabled, index == kModeHeader || index == kGenericHeader)
            << index;
        EXPECT_EQ(extras.OptionsShowModeNumber(), index == kModeHeader) << index;
    }

    ExportSaveExtras mode(view, services, Kind(kModeHeader));
    ExportOptionsDialog options(view, app.exportOptions, mode.OptionsShowModeNumber());
    options.Open();
    view[IDC_MODE_NUMBER].text = "3";
    options.Accept();
    EXPECT_EQ(mode.NameAfterOptions(), "mode3.h");
    EXPECT_EQ(ExportSaveExtras(view, services, Kind(kGenericHeader)).NameAfterOptions(),
              std::nullopt);
}

TEST_F(ExportDialogs, PreviewWritesTheTemporaryFileAndOpensItAgainEachTime) {
    ExportSaveExtras appcfg(view, services, Kind(kAppCfg));
    ASSERT_TRUE(appcfg.Preview());
    const std::string path = InTemporary("appcfg.h");
    test::WriteText(path, "old");
    ASSERT_TRUE(appcfg.Preview());
    EXPECT_NE(test::ReadText(path), "old");

    ASSERT_TRUE(ExportSaveExtras(view, services, Kind(kHtml)).Preview());
    EXPECT_EQ(launcher.opened, (Texts{"text editor: " + path, "text editor: " + path,
                                      "default program: " + InTemporary("k7r58c22.html")}));
    EXPECT_TRUE(shown.empty());
}

TEST_F(ExportDialogs, FailuresAreShownWithWhatWasRefused) {
    launcher.refuse = true;
    EXPECT_FALSE(ExportSaveExtras(view, services, Kind(kAppCfg)).Preview());
    EXPECT_FALSE(ExportSaveExtras(view, services, Kind(kHtml)).Preview());
    const std::string missing = services.temporaryDirectory + "/missing/chip.h";
    EXPECT_FALSE(ExportToFile(services, exporter::ExportKinds()[1], missing));
    EXPECT_EQ(shown, (Texts{"Failed to preview file " + InTemporary("appcfg.h"),
                            "Failed to execute file " + InTemporary("k7r58c22.html"),
                            "Failed to create file " + missing}));
}

// The mode flags the dialog's controls choose, over flags that carry other
// bits besides.
TEST_F(ExportDialogs, OptionsMapTheirControlsToModeFlagsAndKeepOtherBits) {
    struct Case {
        std::uint32_t before;
        bool softwareCursor;
        bool softwareAcceleration;
        bool hardwareAcceleration;
        std::uint32_t after;
    };
    constexpr std::uint32_t kOther = 0x80000000 | exporter::mfLCD;
    const Case cases[] = {
        {kOther | exporter::mfSWEMUL | exporter::mfHWBLT, false, true, true,
         kOther | exporter::mfSWEMUL | exporter::mfHWBLT},
        {kOther | exporter::mfSWEMUL | exporter::mfHWBLT, true, false, false,
         kOther | exporter::mfSWCURSOR},
        {0, true, true, true, exporter::mfSWCURSOR | exporter::mfSWEMUL | exporter::mfHWBLT},
        {exporter::mfSWCURSOR | exporter::mfHWBLT, false, false, false, 0},
    };
    for (const Case& c : cases) {
        exporter::ExportOptions options{.ModeNumber = 0, .ModeFlags = c.before};
        ExportOptionsDialog dialog(view, options, true);
        dialog.Open();
        EXPECT_EQ(view[IDC_NO_CURSOR].checked, (c.before & exporter::mfSWCURSOR) == 0);
        EXPECT_EQ(view[IDC_HARDWARE_ACCELERATION].checked, (c.before & exporter::mfHWBLT) != 0);
        view[IDC_SOFTWARE_CURSOR].checked = c.softwareCursor;
        view[IDC_NO_CURSOR].checked = !c.softwareCursor;
        view[IDC_SOFTWARE_ACCELERATION].checked = c.softwareAcceleration;
        view[IDC_HARDWARE_ACCELERATION].checked = c.hardwareAcceleration;
        dialog.Accept();
        EXPECT_EQ(options.ModeFlags, c.after) << std::hex << c.before;
    }
}

TEST_F(ExportDialogs, ModeNumberComesFromTheArrowsTextAndHidesForTheGenericHeader) {
    exporter::ExportOptions options{.ModeNumber = 5};
    ExportOptionsDialog dialog(view, options, true);
    dialog.Open();
    EXPECT_EQ(view[IDC_MODE_NUMBER_SPIN].high, 1000);
    EXPECT_EQ(view[IDC_MODE_NUMBER].text, "5");

    const std::pair<std::string, unsigned> texts[] = {{"1000", 1000}, {"x", 1000}, {"", 0}};
    for (const auto& [text, number] : texts) {
        view[IDC_MODE_NUMBER].text = text;
        dialog.Accept();
        EXPECT_EQ(options.ModeNumber, number) << text;
    }

    ExportOptionsDialog generic(view, options, false);
    generic.Open();
    for (const int control : {IDC_MODE_NUMBER_LABEL, IDC_MODE_NUMBER, IDC_MODE_NUMBER_SPIN}) {
        EXPECT_FALSE(view[control].shown) << control;
    }
}

} // namespace
} // namespace k7r::cfgui
