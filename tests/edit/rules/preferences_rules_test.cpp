// The Preferences page's rules, with its exact texts.
#include "containers/config_file.h"
#include "edit/rules/preferences_rules.h"
#include "tests/edit/edit_fixture.h"
#include "tests/support/test_files.h"

#include <filesystem>

namespace k7r::edit {
namespace {

using PreferencesPage = EditTest;

TEST_F(PreferencesPage, OnlyTheOptionButtonsValuesAreTaken) {
    const EditResult refused = ChooseColorDepth(session, 12);
    EXPECT_FALSE(refused.accepted());
    EXPECT_EQ(refused.message, "ERROR: \"12\" is not a valid Bits-Per-Pixel!\n");
    EXPECT_EQ(refused.hint, "Allowed values: 1, 2, 4, 8, 16.");
    EXPECT_EQ(ChooseSwivelView(session, 45).hint, "Allowed values: 0, 90, 180, 270.");
    EXPECT_EQ(Get(regs::kIdBitsPerPixel), 8u);
    EXPECT_EQ(Get(regs::kIdSwivelView), 0u);
}

TEST_F(PreferencesPage, DescriptionKeepsLineFeedsAndShowsCrLf) {
    const EditResult stored = LeaveDescription(session, "Lab board\r\nrev. B");
    EXPECT_TRUE(stored.changed);
    EXPECT_EQ(stored.shown, "Lab board\r\nrev. B");
    EXPECT_TRUE(LeaveDescription(session, std::string(255, 'x')).accepted());
    const EditResult tooLong = LeaveDescription(session, std::string(256, 'y'));
    EXPECT_FALSE(tooLong.accepted());
    EXPECT_EQ(tooLong.hint, "At most 255 characters.");
}

// The start address a file carries is the one its layout updates keep, not
// the one of the file opened before it.
TEST_F(PreferencesPage, OpeningAFileRemembersItsMainStartAddress) {
    const std::string directory = test::ScratchDirectory();
    const std::string first = directory + "/first.elf";
    const std::string second = directory + "/second.elf";
    for (const auto& [path, start] : {std::pair{first, 1024u}, std::pair{second, 2048u}}) {
        std::filesystem::copy_file(test::TestImagePath("carrier.elf"), path);
        config::WorkingConfig config(TemplateRecord);
        ASSERT_TRUE(containers::OpenConfigFile(path, config, {}));
        regs::SetFieldValue(config, regs::kIdMainStart, start);
        ASSERT_TRUE(containers::SaveConfigFile(path, "", config.Record, false, {}));
    }
    const containers::MessageSink fail = [](const std::string& text) { ADD_FAILURE() << text; };
    ASSERT_TRUE(OpenConfiguration(session, first, fail));
    ASSERT_TRUE(OpenConfiguration(session, second, fail));
    ChooseColorDepth(session, 4);
    EXPECT_EQ(Get(regs::kIdMainStart), 2048u);
}

} // namespace
} // namespace k7r::edit
