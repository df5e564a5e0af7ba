#include "tests/support/transcript.h"

#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <sstream>

namespace k7r::test {

void ExpectTranscriptHolds(const std::string& path,
                           const std::function<std::string(const std::string&)>& run) {
    const std::string expected = ReadText(path);
    ASSERT_FALSE(expected.empty()) << path;
    std::string actual;
    std::istringstream lines(expected);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("# ") || line.starts_with("$ ")) {
            actual += line + "\n";
        }
        if (line.starts_with("$ ")) {
            actual += run(line.substr(2));
        }
    }
    const std::string replayed = ScratchDirectory() + "/replayed.txt";
    if (actual != expected) {
        WriteText(replayed, actual);
    }
    EXPECT_EQ(actual, expected) << "replayed into " << replayed;
}

} // namespace k7r::test
