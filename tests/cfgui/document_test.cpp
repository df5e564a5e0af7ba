#include "cfgui/application.h"
#include "cfgui/document.h"
#include "config/default_records.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

namespace k7r::cfgui {
namespace {

class Document : public ::testing::Test {
  protected:
    Document() {
        image = directory + "/viewer.exe";
        test::WriteFileBytes(image, test::ReadFileBytes(test::TestImagePath("carrier.exe")));
    }

    containers::MessageSink Collect() {
        return [this](const std::string& text) { messages.push_back(text); };
    }

    Application app{TemplateRecord};
    std::string directory = test::ScratchDirectory();
    std::string image;
    std::vector<std::string> messages;
};

TEST_F(Document, OpenAdoptsTheRecordAndRemembersTheMainStart) {
    ASSERT_TRUE(OpenDocument(app, image, Collect()));
    EXPECT_EQ(app.currentPath, image);
    EXPECT_EQ(app.session.config.SavedMainStart,
              regs::GetFieldValue(app.session.config, regs::kIdMainStart));

    EXPECT_FALSE(OpenDocument(app, image + ".txt", Collect()));
    EXPECT_EQ(app.currentPath, image) << "a failed open changed the current file";
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(Document, SaveWritesInPlaceAndForgetsTheFileOnFailure) {
    ASSERT_TRUE(OpenDocument(app, image, Collect()));
    regs::SetFieldValue(app.session.config, 67, 400);
    ASSERT_TRUE(SaveDocument(app, Collect()));
    Application reopened(TemplateRecord);
    ASSERT_TRUE(OpenDocument(reopened, image, Collect()));
    EXPECT_EQ(regs::GetFieldValue(reopened.session.config, 67), 400u);
    EXPECT_EQ(SavedMessage(image), "Configuration data saved in file \"" + image + "\".");

    app.currentPath = image + ".missing.exe";
    EXPECT_FALSE(SaveDocument(app, Collect()));
    EXPECT_EQ(app.currentPath, "");
    EXPECT_FALSE(messages.empty());
}

TEST_F(Document, SaveAsMovesToTheCopyOnlyWhenItWorked) {
    ASSERT_TRUE(OpenDocument(app, image, Collect()));
    const std::string copy = directory + "/copy.exe";
    ASSERT_TRUE(SaveDocumentAs(app, copy, Collect()));
    EXPECT_EQ(app.currentPath, copy);
    EXPECT_TRUE(test::FileExists(copy));

    EXPECT_FALSE(SaveDocumentAs(app, directory + "/no/such/dir.exe", Collect()));
    EXPECT_EQ(app.currentPath, copy);
}

} // namespace
} // namespace k7r::cfgui
