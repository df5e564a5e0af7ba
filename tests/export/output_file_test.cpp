#include "export/output_file.h"
#include "tests/support/child_process.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

namespace k7r::exporter {
namespace {

// A file size limit stops the write part way, as a full disk would: the
// file that was there stays, whole.
TEST(WriteOutputFile, ReplacesAnExistingFileOnlyWhenTheNewOneIsComplete) {
    const std::string dir = test::ScratchDirectory();
    const std::string path = dir + "/k7r58c22.html";
    test::WriteText(path, "the old page");
    test::ChildProcess writer([&](std::FILE* report) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::string message;
        const bool written = WriteOutputFile(path, std::string(10000, 'x'), message);
        std::fputs(message.c_str(), report);
        return written ? 0 : 1;
    });
    const test::ChildOutcome outcome = writer.Wait();
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.report, "Failed to create file " + path);
    EXPECT_EQ(test::ReadText(path), "the old page");
    EXPECT_EQ(test::EntriesIn(dir), 1);
}

} // namespace
} // namespace k7r::exporter
