// Configure Multiple through the fake view over a real directory tree: the
// browse list, the selection and the run with its summary.
#include "cfgui/dialogs/configure_multiple_dialog.h"
#include "cfgui/modal_dialog.h"
#include "config/default_records.h"
#include "config/record.h"
#include "containers/config_file.h"
#include "export/text_format.h"
#include "platform/directory.h"
#include "tests/cfgui/fake_view.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

namespace k7r::cfgui {
namespace {

using Shown = std::pair<MessageIcon, std::string>;

// A directory of its own made the current one for the test, as browsing
// changes it; the one before is restored at the end.
class ConfigureMultiple : public testing::Test {
  protected:
    ConfigureMultiple() {
        platform::ChangeDirectory(test::ScratchDirectory());
        root_ = *platform::CurrentDirectory();
        for (const char* name : {"README.TXT", "TEST.S19", "test.prc", "b.EXE"}) {
            test::WriteFileBytes(Path(name), {'x'});
        }
        std::filesystem::create_directory(Path("Sub"));
        std::filesystem::create_directory(Path("alpha"));
        test::WriteFileBytes(Path("Sub/inner.elf"), {'x'});
    }
    ~ConfigureMultiple() override { platform::ChangeDirectory(previous_); }

    // The full path of a name in the test's directory, as the dialog builds it.
    std::string Path(const std::string& name) const { return platform::JoinPath(root_, name); }

    Texts Browse() { return view[IDC_BROWSE_LIST].items; }
    Texts Selection() { return view[IDC_SELECTION_LIST].items; }
    void DoubleClick(int list, const std::string& item) {
        const Texts& items = view[list].items;
        const auto at = std::ranges::find(items, item);
        ASSERT_NE(at, items.end()) << item;
        view.Select(list, static_cast<int>(at - items.begin()));
        dialog.OnControl(list, ControlEvent::DoubleClicked);
    }
    bool Click(int control) { return dialog.OnControl(control, ControlEvent::Clicked); }

    const std::string previous_ = *platform::CurrentDirectory();
    std::string root_;
    fake::FakeView view;
    HAL_STRUCT working = ViewerRecord;
    std::vector<Shown> shown;
    // The text of each summary shown in a dialog of its own.
    std::vector<std::string> longSummaries;
    std::vector<bool> lockedDuringRun;
    std::vector<std::string> progress;
    ConfigureMultipleDialog dialog{view, working, Services()};

  private:
    ConfigureMultipleServices Services() {
        ConfigureMultipleServices services;
        services.drives = [] { return std::vector<char>{'c', 'd'}; };
        services.show = [this](MessageIcon icon, const std::string& text) {
            shown.push_back({icon, text});
        };
        services.runDialog = [this](ModalDialog& summary) {
            fake::FakeView summaryView;
            summary.Open(summaryView);
            longSummaries.push_back(summaryView[IDC_CONFIGURE_SUMMARY_TEXT].text);
        };
        services.keepResponsive = [this] {
            progress.push_back(view[IDC_CONFIGURE_PROGRESS].text);
            lockedDuringRun.push_back(dialog.Running() && !view[IDC_CONFIGURE].enabled &&
                                      !view[IDC_DIALOG_CANCEL].enabled);
        };
        return services;
    }
};

TEST_F(ConfigureMultiple, BrowseListSortsIgnoringCaseFiltersAndMovesAndConfigureNeedsAFile) {
    dialog.Open({});
    EXPECT_TRUE(view[IDC_SHOW_CONFIGURABLE].checked);
    EXPECT_FALSE(view[IDC_PRESERVE_ADDRESSES].checked);
    EXPECT_EQ(Browse(), (Texts{"[..]", "[alpha]", "[Sub]", "b.EXE", "test.prc", "TEST.S19", "[-c-]",
                               "[-d-]"}));
    EXPECT_EQ(view[IDC_CURRENT_DIRECTORY].text, *platform::CurrentDirectory());

    view[IDC_SHOW_CONFIGURABLE].checked = false;
    view[IDC_SHOW_ALL_FILES].checked = true;
    Click(IDC_SHOW_ALL_FILES);
    EXPECT_EQ(Browse(), (Texts{"[..]", "[alpha]", "[Sub]", "b.EXE", "README.TXT", "test.prc",
                               "TEST.S19", "[-c-]", "[-d-]"}));

    DoubleClick(IDC_BROWSE_LIST, "[Sub]");
    EXPECT_EQ(*platform::CurrentDirectory(), Path("Sub"));
    EXPECT_EQ(Browse(), (Texts{"[..]", "inner.elf", "[-c-]", "[-d-]"}));
    DoubleClick(IDC_BROWSE_LIST, "[..]");
    EXPECT_EQ(*platform::CurrentDirectory(), root_);
    EXPECT_TRUE(Selection().empty()) << "a directory was selected";

    EXPECT_FALSE(Click(IDC_CONFIGURE)); // nothing selected: the dialog stays
    EXPECT_EQ(shown, (std::vector<Shown>{{MessageIcon::Exclamation, "ERROR: No files selected!"}}));
    EXPECT_TRUE(Click(IDC_DIALOG_CANCEL));
}

TEST_F(ConfigureMultiple, SelectionHoldsExistingFilesOnceAndSorted) {
    dialog.Open(Texts{Path("test.prc"), Path("test.prc"), Path("gone.exe"), Path("Sub")});
    EXPECT_EQ(Selection(), (Texts{Path("test.prc")}));

    view.Select(IDC_BROWSE_LIST, 2); // [Sub]
    Click(IDC_ADD);
    DoubleClick(IDC_BROWSE_LIST, "TEST.S19");
    view.Select(IDC_BROWSE_LIST, 3); // b.EXE
    Click(IDC_ADD);
    Click(IDC_ADD);
    EXPECT_EQ(Selection(), (Texts{Path("b.EXE"), Path("test.prc"), Path("TEST.S19")}));
    EXPECT_FALSE(dialog.AddSelectedFile("Sub"));

    dialog.AddDropped(Texts{Path("Sub/inner.elf"), Path("b.EXE")});
    EXPECT_EQ(Selection().size(), 4u);

    view.Select(IDC_SELECTION_LIST, 0);
    Click(IDC_REMOVE);
    EXPECT_EQ(view[IDC_SELECTION_LIST].selection, 0) << "the next file takes its place";
    DoubleClick(IDC_SELECTION_LIST, Path("test.prc"));
    EXPECT_EQ(Selection(), (Texts{Path("Sub/inner.elf"), Path("TEST.S19")}));
    Click(IDC_REMOVE_ALL);
    EXPECT_TRUE(Selection().empty());

    view[IDC_SHOW_ALL_FILES].checked = true;
    Click(IDC_SHOW_ALL_FILES);
    Click(IDC_ADD_ALL);
    EXPECT_EQ(Selection(),
              (Texts{Path("b.EXE"), Path("README.TXT"), Path("test.prc"), Path("TEST.S19")}));
}

// Three files in list order, the middle one without a record and with a
// percent sign in its name, which the summary shows as it is.
TEST_F(ConfigureMultiple, RunSavesEachFileReportsFailuresAndSummarisesInListOrder) {
    HAL_STRUCT own = ViewerRecord;
    own.RegPhysAddr = 0x00A00000;
    own.Crc = config::ComputeRecordCrc(own);
    test::WriteFileBytes(Path("a.exe"), test::ImageWithRecords(3000, own, {1000}));
    test::WriteFileBytes(Path("b 100%s.exe"), test::ImageWithRecords(3000, own, {}));
    test::WriteFileBytes(Path("c.exe"), test::ImageWithRecords(3000, ViewerRecord, {500}));
    working.RegPhysAddr = 0x00F00000;
    working.ClkI = 33000000;

    dialog.Open(Texts{Path("c.exe"), Path("a.exe"), Path("b 100%s.exe")});
    view[IDC_PRESERVE_ADDRESSES].checked = true;
    EXPECT_TRUE(Click(IDC_CONFIGURE));

    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], (Shown{MessageIcon::Exclamation,
                               "File \"" + Path("b 100%s.exe") + "\" could not be saved because:" +
                                   "\n\nThe file does not contain any configuration data."}));
    EXPECT_EQ(shown[1],
              (Shown{MessageIcon::Information,
                     "Summary of configured files:\n\nOK\t" + Path("a.exe") + "\nError\t" +
                         Path("b 100%s.exe") + "\nOK\t" + Path("c.exe") + "\n"}));
    EXPECT_EQ(lockedDuringRun, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(progress, (Texts{"Saving file 1 of 3: " + Path("a.exe"),
                               "Saving file 2 of 3: " + Path("b 100%s.exe"),
                               "Saving file 3 of 3: " + Path("c.exe")}));
    EXPECT_TRUE(view[IDC_CONFIGURE].enabled);

    for (const auto& [name, address] :
         {std::pair{"a.exe", 0x00A00000u}, std::pair{"c.exe", ViewerRecord.RegPhysAddr}}) {
        config::WorkingConfig config(TemplateRecord);
        ASSERT_TRUE(containers::OpenConfigFile(Path(name), config, [](const std::string&) {}));
        EXPECT_EQ(config.Record.ClkI, 33000000u) << name;
        EXPECT_EQ(config.Record.RegPhysAddr, address) << name;
    }
}

// More files than a message box holds: the progress text changes with each
// whole percent, and the summary comes in a dialog, the counts first.
TEST_F(ConfigureMultiple, LongRunThrottlesItsProgressAndSummarisesInADialog) {
    const test::Bytes image = test::ImageWithRecords(3000, ViewerRecord, {500});
    std::vector<std::string> paths;
    for (int i = 0; i < 150; ++i) {
        paths.push_back(Path(exporter::Printf("f%03d.exe", i)));
        test::WriteFileBytes(paths.back(), image);
    }
    dialog.Open(paths);
    EXPECT_TRUE(Click(IDC_CONFIGURE));

    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(progress.size(), 150u);
    EXPECT_EQ(std::set<std::string>(progress.begin(), progress.end()).size(), 100u);
    ASSERT_EQ(longSummaries.size(), 1u);
    EXPECT_TRUE(longSummaries[0].starts_with(
        "150 OK, 0 Error\r\n\r\nSummary of configured files:\r\n\r\nOK\t" + paths[0] + "\r\n"))
        << longSummaries[0].substr(0, 200);
}

} // namespace
} // namespace k7r::cfgui
