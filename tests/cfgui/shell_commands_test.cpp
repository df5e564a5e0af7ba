// The file commands over a view that records what the window was asked to
// do, in order, on real files.
#include "cfgui/application.h"
#include "cfgui/shell_commands.h"
#include "cfgui/shell_view.h"
#include "config/default_records.h"
#include "containers/config_file.h"
#include "regs/field_values.h"
#include "tests/cfgui/fake_view.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace k7r::cfgui {
namespace {

constexpr char kTitle[] = "K7R58C22 Configuration Utility  (Build 17)";

struct FakeShell : ShellView {
    std::vector<std::string> log;
    std::vector<FileChoice> choices;
    // The answers of the next file dialogs; cancelled when none is left.
    std::vector<std::string> chosen;
    bool commits = true;
    // Runs once a busy operation's work is done, before the command goes on.
    std::function<void()> afterWork;

    bool CommitField() override {
        log.push_back("commit");
        return commits;
    }
    std::optional<std::string> ChooseFile(const FileChoice& choice) override {
        log.push_back("choose " + choice.title);
        choices.push_back(choice);
        if (chosen.empty()) {
            return std::nullopt;
        }
        const std::string path = chosen.front();
        chosen.erase(chosen.begin());
        return path;
    }
    void ShowMessage(MessageIcon icon, const std::string& text) override {
        log.push_back((icon == MessageIcon::Information ? "information: " : "exclamation: ") +
                      text);
    }
    void SetTitle(const std::string& title) override { log.push_back("title " + title); }
    void ShowNewConfiguration() override { log.push_back("new configuration"); }
    void RunConfigureMultiple(const std::vector<std::string>& selected) override {
        std::string line = "configure multiple";
        for (const std::string& name : selected) {
            line += " " + name;
        }
        log.push_back(line);
    }
    void RunExport() override { log.push_back("export"); }
    void RunBusy(const std::string& what, const std::function<void()>& work) override {
        log.push_back("busy " + what);
        work();
        if (afterWork) {
            afterWork();
        }
    }
};

std::string Saved(const std::string& path) {
    return "information: Configuration data saved in file \"" + path + "\".";
}

class ShellCommandsTest : public ::testing::Test {
  protected:
    ShellCommandsTest() {
        test::WriteFileBytes(image, test::ReadFileBytes(test::TestImagePath("carrier.exe")));
    }

    // What the window was asked to do by the command alone.
    Texts LogOf(void (ShellCommands::*command)()) {
        shell.log.clear();
        (commands.*command)();
        return shell.log;
    }

    const std::string directory = test::ScratchDirectory();
    const std::string image = directory + "/viewer.exe";
    Application app{TemplateRecord};
    fake::FakePane pane;
    DiagnosticsReporter reporter{app, pane};
    FakeShell shell;
    ShellCommands commands{app, reporter, shell};
};

TEST_F(ShellCommandsTest, OpenReadsTheChosenFileAfterTheFieldIsCommitted) {
    EXPECT_EQ(LogOf(&ShellCommands::Open), Texts{"choose Open"});
    const FileChoice& choice = shell.choices.at(0);
    EXPECT_TRUE(choice.open);
    EXPECT_EQ(choice.defaultExtension, "exe");

    shell.chosen = {image};
    app.diagnostics.shown = "stale";
    // The work, which may run beside the window, leaves the session alone.
    shell.afterWork = [this] {
        EXPECT_EQ(app.currentPath, "");
        EXPECT_EQ(app.session.config.Record.ClkI, TemplateRecord.ClkI);
    };
    EXPECT_EQ(LogOf(&ShellCommands::Open),
              (Texts{"choose Open", "commit", "busy Opening viewer.exe...",
                     "title viewer.exe - " + std::string(kTitle), "new configuration"}));
    shell.afterWork = nullptr;
    EXPECT_EQ(app.currentPath, image);
    EXPECT_EQ(app.diagnostics.shown, "") << "the diagnostics are not of the new configuration";
    EXPECT_EQ(app.session.config.Record.ClkI, ViewerRecord.ClkI);
    EXPECT_EQ(app.session.config.SavedMainStart,
              regs::GetFieldValue(app.session.config, 79)); // Main Start Addr

    // The next Open starts from the current file.
    commands.Open();
    EXPECT_EQ(shell.choices.back().initialName, image);
}

TEST_F(ShellCommandsTest, OpenFailsWithItsReasonAndChangesNothing) {
    const std::string other = directory + "/notes.txt";
    EXPECT_FALSE(commands.OpenFile(other));
    EXPECT_EQ(shell.log, (Texts{"commit", "busy Opening notes.txt...",
                                "exclamation: " +
                                    test::OpenFailure(other, "The file type is not supported.")}));
    EXPECT_EQ(app.currentPath, "");
    EXPECT_EQ(app.session.config.Record.ClkI, TemplateRecord.ClkI);
}

TEST_F(ShellCommandsTest, SaveWritesInPlaceOrForgetsTheFile) {
    ASSERT_TRUE(commands.OpenFile(image));
    regs::SetFieldValue(app.session.config, 67, 400);
    EXPECT_EQ(LogOf(&ShellCommands::Save),
              (Texts{"commit", "busy Saving viewer.exe...", Saved(image)}));
    config::WorkingConfig reread(TemplateRecord);
    ASSERT_TRUE(containers::OpenConfigFile(image, reread, {}));
    EXPECT_EQ(regs::GetFieldValue(reread, 67), 400u);

    std::remove(image.c_str());
    EXPECT_EQ(LogOf(&ShellCommands::Save),
              (Texts{"commit", "busy Saving viewer.exe...",
                     "exclamation: " + test::SaveFailure(image, "The file no longer exists."),
                     "title " + std::string(kTitle)}));
    EXPECT_EQ(app.currentPath, "");
    EXPECT_FALSE(test::FileExists(image)) << "made again";
}

// Another program's work on the file since the window read or wrote it is
// never overwritten; the file stays open, for Save As.
TEST_F(ShellCommandsTest, SaveRefusesAFileChangedOrReplacedOnDisk) {
    const std::string changed =
        "exclamation: " + test::SaveFailure(image, "The file was changed on disk after it was "
                                                   "opened. Open it again, or use Save As to save "
                                                   "into another file.");
    const std::string srec = directory + "/viewer.s19";
    test::WriteFileBytes(srec, test::ReadFileBytes(test::TestImagePath("carrier.s19")));
    for (const std::string& path : {image, srec}) {
        ASSERT_TRUE(commands.OpenFile(path));
        const std::string saving =
            "busy Saving " + std::filesystem::path(path).filename().string() + "...";
        shell.log.clear();
        commands.Save();
        commands.Save();
        EXPECT_EQ(shell.log, (Texts{"commit", saving, Saved(path), "commit", saving, Saved(path)}));
    }

    const std::string replacement = directory + "/rebuilt.exe";
    test::Bytes rebuilt = test::ReadFileBytes(image);
    rebuilt.push_back(0);
    auto expectRefused = [&](const char* how, auto change) {
        SCOPED_TRACE(how);
        ASSERT_TRUE(commands.OpenFile(image));
        change();
        EXPECT_EQ(LogOf(&ShellCommands::Save),
                  (Texts{"commit", "busy Saving viewer.exe...", changed}));
        EXPECT_EQ(test::ReadFileBytes(image), rebuilt);
        EXPECT_EQ(app.currentPath, image);
    };
    expectRefused("rewritten", [&] { test::WriteFileBytes(image, rebuilt); });
    expectRefused("replaced", [&] {
        test::WriteFileBytes(replacement, rebuilt);
        std::filesystem::rename(replacement, image);
    });

    // Chosen again in Save As it is refused the same way; another name
    // takes a copy, which Save then writes into.
    shell.chosen = {image};
    EXPECT_EQ(LogOf(&ShellCommands::SaveAs),
              (Texts{"choose Save As", "commit", "busy Saving viewer.exe...", changed}));
    const std::string copy = directory + "/copy.exe";
    shell.chosen = {copy};
    commands.SaveAs();
    EXPECT_EQ(LogOf(&ShellCommands::Save),
              (Texts{"commit", "busy Saving copy.exe...", Saved(copy)}));
}

TEST_F(ShellCommandsTest, SaveAsOffersTheFilesKindAndMovesToTheCopyOnlyWhenItWorked) {
    ASSERT_TRUE(commands.OpenFile(image));
    EXPECT_EQ(LogOf(&ShellCommands::SaveAs), Texts{"choose Save As"}); // cancelled
    const FileChoice& choice = shell.choices.at(0);
    EXPECT_FALSE(choice.open);
    EXPECT_EQ(choice.initialName, image);
    EXPECT_EQ(choice.filters.size(), 2u);

    const std::string copy = directory + "/copy.exe";
    shell.chosen = {directory + "/no/such/dir.exe", copy};
    commands.SaveAs();
    EXPECT_EQ(app.currentPath, image);
    EXPECT_EQ(LogOf(&ShellCommands::SaveAs),
              (Texts{"choose Save As", "commit", "busy Saving copy.exe...",
                     "title copy.exe - " + std::string(kTitle), Saved(copy)}));
    EXPECT_EQ(app.currentPath, copy);
    EXPECT_TRUE(test::FileExists(copy));
}

TEST_F(ShellCommandsTest, CommandsRunOnlyOnceTheFieldIsCommitted) {
    commands.DropFiles({"a.exe", "b.s19"});
    commands.ConfigureMultiple();
    commands.Export();
    EXPECT_EQ(shell.log, (Texts{"commit", "configure multiple a.exe b.s19", "commit",
                                "configure multiple", "commit", "export"}));
    shell.log.clear();
    shell.commits = false;
    EXPECT_FALSE(commands.OpenFile(image));
    commands.DropFiles({"a.exe"});
    commands.Export();
    commands.Save();
    EXPECT_EQ(shell.log, (Texts{"commit", "commit", "commit", "commit"}));
    EXPECT_EQ(app.currentPath, "");
}

} // namespace
} // namespace k7r::cfgui
