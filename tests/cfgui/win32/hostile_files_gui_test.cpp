// The fuzzers' program images opened in the real window one after another:
// each that holds no record gives its message, the window goes on answering,
// and the file open before stays open and saves.
#include "cfgui/resource.h"
#include "config/default_records.h"
#include "containers/config_file.h"
#include "platform/directory.h"
#include "tests/cfgui/win32/gui_harness.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstring>

namespace k7r::cfgui::gui {
namespace {

TEST(HostileFiles, FuzzCorporaLeaveTheOpenFileOpenAndSavable) {
    Session session;
    const std::string directory = test::ScratchDirectory();
    const std::string board = TestImageIn(directory, "board.exe");
    ASSERT_TRUE(session.window.OpenFile(board));
    const std::string title = session.Title();

    const std::pair<const char*, const char*> corpora[] = {
        {"record_search", ".exe"}, {"srec_text", ".s19"}, {"prc_database", ".prc"}};
    int refused = 0;
    for (const auto& [corpus, extension] : corpora) {
        const std::string from =
            WindowsPath(std::string(K7R_SOURCE_DIR) + "/fuzz/corpus/" + corpus);
        const auto entries = platform::ListDirectory(from);
        ASSERT_TRUE(entries) << from;
        for (const platform::DirectoryEntry& entry : *entries) {
            if (entry.directory) {
                continue;
            }
            const std::string copy = WindowsPath(directory + "/" + entry.name + extension);
            test::WriteFileBytes(copy, test::ReadFileBytes(platform::JoinPath(from, entry.name)));
            // A seed that holds a record is no hostile file.
            config::WorkingConfig probe(TemplateRecord);
            if (containers::OpenConfigFile(copy, probe, [](const std::string&) {})) {
                continue;
            }
            ASSERT_TRUE(ModalScript().Expect("58C22CFG", ModalScript::Press(IDOK)).Run([&] {
                session.window.OpenFile(copy);
            })) << copy;
            EXPECT_EQ(session.Title(), title) << copy;
            ++refused;
        }
    }
    EXPECT_GT(refused, 40);

    std::strcpy(session.app.session.config.Record.Description, "kept through the corpora");
    ASSERT_TRUE(ModalScript().Expect("58C22CFG", ModalScript::Press(IDOK)).Run([&] {
        ChooseMenu(session.Main(), IDM_FILE_SAVE);
    }));
    EXPECT_EQ(DescriptionIn(board), "kept through the corpora");
}

} // namespace
} // namespace k7r::cfgui::gui
