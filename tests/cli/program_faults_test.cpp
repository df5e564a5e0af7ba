// The command line program itself, given things that are not files, and
// with an output that takes nothing.
#include "platform/refusal.h"
#include "platform/system_error.h"
#include "tests/cli/cli_run.h"
#include "tests/support/child_process.h"
#include "tests/support/special_files.h"

#include <cerrno>
#include <map>
#include <sstream>

namespace k7r::cli {
namespace {

using namespace std::chrono_literals;

const std::string kProgram = std::string(K7R_BINARY_DIR) + "/cli/58c22cfg";

// A panel of the list the build puts beside the program.
constexpr const char* kPanel = "QVGA TFT 320x240 18-bit";

using Placeholders = std::map<std::string, std::string>;

// The program and the words of line, a placeholder standing for its value.
std::vector<std::string> Arguments(const std::string& line, const Placeholders& placeholders) {
    std::vector<std::string> arguments = {kProgram};
    std::istringstream words(line);
    for (std::string word; words >> word;) {
        const auto value = placeholders.find(word);
        arguments.push_back(value == placeholders.end() ? word : value->second);
    }
    return arguments;
}

// Every place a command takes a file (S), given a directory, a FIFO, a
// device or a socket: refused within a second with a clear reason (an open
// of a FIFO would wait for a writer forever).
TEST(Program, RefusesWhatIsNotARegularFileAtOnceWhereverItTakesAFile) {
    const std::string dir = test::ScratchDirectory();
    const std::string good = ViewerImageCopy(dir);
    const test::SpecialFiles specials;
    // What the message says where it is not the refusal's text.
    const std::map<std::string, std::string> saying = {
        {"panel G P --def S", "cannot open the panel definition file"},
        {"panels --def S", "cannot open the panel definition file"},
        {"export appcfg G -o S", "Failed to create file"}};
    for (const test::SpecialFiles::Entry& special : specials.entries()) {
        const std::string refusal(platform::RefusalText(special.refusal));
        for (const std::string line :
             {"show S", "get S 2", "regs S", "validate S", "set S 1=x", "set G 1=x -o S",
              "copy S G", "copy G S", "configure --from S G", "configure --from G S", "panel S P",
              "panel G P --def S", "panels --def S", "export appcfg S", "export appcfg G -o S"}) {
            const std::string said = saying.contains(line) ? saying.at(line) : refusal;
            const std::vector<std::string> arguments =
                Arguments(line, {{"S", special.path}, {"G", good}, {"P", kPanel}});
            const std::string what = line + " with " + special.path;
            const test::ChildOutcome run = test::RunProgram(arguments, dir + "/out", 5s);
            ASSERT_FALSE(run.timedOut) << what;
            EXPECT_LT(run.took, 1s) << what;
            EXPECT_EQ(run.status, kExitFailure) << what;
            EXPECT_NE(run.report.find(said), std::string::npos) << what << "\n" << run.report;
        }
    }
}

// Every command that prints, with its standard output on a full device.
// The system's reason is given when the last write is the one that failed.
TEST(Program, OutputThatCannotBeWrittenEndsThePrintingCommandsWithStatusOne) {
    const std::string dir = test::ScratchDirectory();
    const std::string good = ViewerImageCopy(dir);
    const std::string other = dir + "/other.elf";
    std::filesystem::copy_file(good, other);
    const std::string faulty = dir + "/faulty.elf";
    std::filesystem::copy_file(good, faulty);
    // Errors in its diagnostics, for validate to print.
    ASSERT_EQ(RunCli({"set", faulty, "67=100", "--force"}).status, kExitSuccess);
    const std::string said = "58c22cfg: cannot write to standard output";
    const std::string becauseFull = said + ": " + platform::ErrorText({ENOSPC}) + "\n";
    const Placeholders placeholders = {
        {"G", good}, {"O", other}, {"F", faulty}, {"P", kPanel}, {"C", dir + "/chip.h"}};
    for (const char* line :
         {"help", "show G", "get G 2 3", "regs G --breakdown", "validate F", "fields --help-text",
          "panels", "panel O P", "set O 116=5", "copy G O", "configure --from G O",
          "export appcfg G -o -", "export html G -o -", "export chip G -o C"}) {
        const std::vector<std::string> arguments = Arguments(line, placeholders);
        const test::ChildOutcome run = test::RunProgram(arguments, "/dev/full", 10s);
        EXPECT_EQ(run.status, kExitFailure) << line;
        EXPECT_TRUE(run.report == said + "\n" || run.report == becauseFull)
            << line << ": " << run.report;
    }
}

// A program without a panel file beside it says where it looked, rather
// than listing nothing.
TEST(Program, PanelCommandsSayWhereTheyLookedForThePanelFile) {
    const std::string dir = test::ScratchDirectory();
    const std::string alone = dir + "/58c22cfg";
    std::filesystem::copy_file(kProgram, alone);
    const std::string image = ViewerImageCopy(dir);
    const std::string said = "58c22cfg: no panel definition file: neither DEBUG.DEF nor "
                             "PANELS.DEF is in \"" +
                             dir + "\" (--def PATH reads another)\n";
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{alone, "panels"}, {alone, "panel", image, "qvga"}}) {
        const test::ChildOutcome run = test::RunProgram(arguments, dir + "/out", 10s);
        EXPECT_EQ(run.status, kExitFailure) << arguments[1];
        EXPECT_EQ(run.report, said);
    }
}

} // namespace
} // namespace k7r::cli
