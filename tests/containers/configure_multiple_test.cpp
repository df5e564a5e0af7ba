// Saving into many files at once; the summary of a run and the saves of each
// kind are asserted where the command line, the dialog and the container
// kinds are tested.
#include "config/default_records.h"
#include "containers/configure_multiple.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

namespace k7r::containers {
namespace {

using namespace test;

// Past the tenth failure the messages go into the summary instead of boxes,
// unless every message is wanted as it comes.
TEST(ConfigureFiles, MessagesOfFailuresPastTheTenthGoIntoTheSummary) {
    const std::string dir = ScratchDirectory();
    std::vector<std::string> paths;
    for (int i = 0; i < 13; ++i) {
        paths.push_back(dir + "/file" + std::to_string(i) + ".exe");
        WriteFileBytes(paths.back(),
                       ImageWithRecords(3000, i == 0 ? ViewerRecord : HAL_STRUCT{}, {1000}));
    }
    std::vector<std::string> shown;
    const MessageSink sink = [&](const std::string& text) { shown.push_back(text); };
    const std::string reason = "The file does not contain any configuration data.";
    const ConfigureSummary summary = ConfigureFiles(paths, ViewerRecord, false, sink);
    ASSERT_EQ(shown.size(), kShownFailures);
    EXPECT_EQ(shown.back(), SaveFailure(paths[10], reason));
    EXPECT_EQ(summary.files, 13u);
    EXPECT_EQ(summary.failures, 12u);
    EXPECT_TRUE(summary.text.starts_with("Summary of configured files:\n\nOK\t" + paths[0] +
                                         "\nError\t" + paths[1] + "\n"))
        << summary.text;
    EXPECT_TRUE(summary.text.ends_with("Error\t" + paths[12] +
                                       "\n\nThe messages of the failures after the first 10 were "
                                       "not shown as message boxes; here they are:\n\n" +
                                       SaveFailure(paths[11], reason) + "\n\n" +
                                       SaveFailure(paths[12], reason) + "\n"))
        << summary.text;

    shown.clear();
    EXPECT_EQ(ConfigureFiles(paths, ViewerRecord, false, sink, {}, kAllFailuresShown)
                  .text.find("not shown"),
              std::string::npos);
    EXPECT_EQ(shown.size(), 12u);
}

} // namespace
} // namespace k7r::containers
