#include "tests/support/transcript.h"

#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <sstream>

namespace k7r::test {

std::string ReplayTranscript(const std::string& transcript,
                             const std::function<std::string(const std::string&)>& run) {
    std::string replayed;
    std::istringstream lines(transcript);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("# ")) {
            replayed += line + "\n";
        } else if (line.starts_with("$ ")) {
            replayed += line + "\n";
            replayed += run(line.substr(2));
        }
    }
    return replayed;
}

void ExpectTranscriptHolds(const std::string& path,
                           const std::function<std::string(const std::string&)>& run) {
    const std::string expected = ReadText(path);
    ASSERT_FALSE(expected.empty()) << path;
    const std::string actual = ReplayTranscript(expected, run);
    const std::string replayed = ScratchDirectory() + "/replayed.txt";
    if (actual != expected) {
        WriteText(replayed, actual);
    }
    EXPECT_EQ(actual, expected) << "replayed into " << replayed;
}

} // namespace k7r::test
