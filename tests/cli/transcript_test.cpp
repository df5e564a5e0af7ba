// Conversations with the command line, held byte for byte against the
// transcripts in golden/: each "$ " line is run in-process and followed by
// what it printed, standard error marked "! " and a failure's status as
// "[exit N]"; "# " lines are comments. Paths read as ${IMAGES} (the test
// images), ${PANELS} (the shipped panel list), ${GOLDEN} (golden/) and
// ${DIR} (a scratch directory that starts with a copy of carrier.elf); the
// Windows program's name reads as the native one's.
#include "cli/command.h"
#include "tests/cli/cli_run.h"
#include "tests/support/test_files.h"
#include "tests/support/transcript.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <utility>

namespace k7r::cli {
namespace {

using Names = std::vector<std::pair<std::string, std::string>>;

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// Apart at spaces; double quotes keep a word's spaces.
std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool started = false;
    bool quoted = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;
            started = true;
        } else if (c == ' ' && !quoted) {
            if (started) {
                words.push_back(std::exchange(word, {}));
            }
            started = false;
        } else {
            word += c;
            started = true;
        }
    }
    if (started) {
        words.push_back(word);
    }
    return words;
}

// What one command prints, standard error and a failure's status marked.
std::string Answer(const std::string& line, const Names& names) {
    const auto named = [&](std::string text) {
        for (const auto& [name, path] : names) {
            text = Replaced(text, path, name);
        }
        return text;
    };
    std::string command = line;
    for (const auto& [name, path] : names) {
        command = Replaced(command, name, path);
    }
    const std::vector<std::string> words = Words(command);
    const CliRun run = RunCli(std::vector<std::string_view>(words.begin(), words.end()));
    std::string replayed = named(run.out);
    if (!run.out.empty() && !run.out.ends_with('\n')) {
        replayed += "[no newline]\n";
    }
    std::istringstream errors(named(run.err));
    for (std::string error; std::getline(errors, error);) {
        replayed += "! " + error + "\n";
    }
    if (run.status != kExitSuccess) {
        replayed += "[exit " + std::to_string(run.status) + "]\n";
    }
    return replayed;
}

class Transcript : public testing::TestWithParam<const char*> {};

TEST_P(Transcript, MatchesTheGoldenFile) {
    const std::string golden = K7R_SOURCE_DIR "/tests/cli/golden";
    const std::string dir = test::ScratchDirectory();
    std::filesystem::copy_file(test::TestImagePath("carrier.elf"), dir + "/carrier.elf");
    const Names names = {{"${DIR}", dir},
                         {"${IMAGES}", K7R_BINARY_DIR "/tests/images"},
                         {"${PANELS}", kShippedPanels},
                         {"${GOLDEN}", golden},
                         {"58c22cfg", std::string(kProgramName)}};
    test::ExpectTranscriptHolds(golden + "/" + GetParam() + ".txt",
                                [&](const std::string& line) { return Answer(line, names); });
}

INSTANTIATE_TEST_SUITE_P(Cli, Transcript,
                         testing::Values("show", "fields", "settings", "diff", "usage", "panels",
                                         "configure", "exports", "json", "options"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
} // namespace k7r::cli
