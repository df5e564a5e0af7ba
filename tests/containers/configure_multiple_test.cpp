// Saving into many files at once, and the S-record and PRC kinds behind the
// container core's open and save on real files.
#include "config/default_records.h"
#include "config/record.h"
#include "containers/configure_multiple.h"
#include "tests/containers/container_builders.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

namespace k7r::containers {
namespace {

using namespace test;

class ConfigureFilesTest : public testing::Test {
  protected:
    std::string Path(const std::string& name) const { return dir_ + "/" + name; }

    std::string Write(const std::string& name, const Bytes& bytes) {
        WriteFileBytes(Path(name), bytes);
        return Path(name);
    }

    // A plain image, an S-record text and a PRC database holding record.
    std::string Plain(const std::string& name, const HAL_STRUCT& record) {
        return Write(name, ImageWithRecords(3000, record, {1000}));
    }
    std::string Srec(const std::string& name, const HAL_STRUCT& record) {
        const std::string text = SrecText(PayloadWith(record), "\r\n");
        return Write(name, Bytes(text.begin(), text.end()));
    }
    std::string Prc(const std::string& name, const HAL_STRUCT& bigEndianRecord) {
        PrcDataResource data;
        data.sections[1] = PayloadWith(bigEndianRecord, 20, 8);
        return Write(name, PrcDatabase("Board", {{"data", 0, data.Build()}, {"code", 1, {1, 2}}}));
    }

    HAL_STRUCT Opened(const std::string& path) {
        config::WorkingConfig config(TemplateRecord);
        EXPECT_TRUE(OpenConfigFile(path, config, sink_)) << path;
        return config.Record;
    }

    ConfigureSummary Configure(const std::vector<std::string>& paths, bool preserve = false,
                               std::size_t shownFailures = kShownFailures) {
        return ConfigureFiles(paths, working_, preserve, sink_, {}, shownFailures);
    }

    static HAL_STRUCT Working() {
        HAL_STRUCT record = ViewerRecord;
        for (int i = 0; i < 100; ++i) {
            record.Description[i] = static_cast<char>('a' + i % 26);
        }
        record.ClkI = 33000000;
        record.RegPhysAddr = 0x10000000;
        record.MemPhysAddr = 0x10200000;
        return record;
    }

    const std::string dir_ = ScratchDirectory();
    std::vector<std::string> shown_;
    MessageSink sink_ = [this](const std::string& text) { shown_.push_back(text); };
    const HAL_STRUCT working_ = Working();
};

// The summary text for the given lines: "OK" or "Error" and a path each.
std::string Summary(std::initializer_list<std::pair<std::string_view, std::string>> lines) {
    std::string text = "Summary of configured files:\n\n";
    for (const auto& [status, path] : lines) {
        text.append(status).append("\t").append(path).append("\n");
    }
    return text;
}

// The content decides the kind (an S-record text named like a Windows
// program); the PRC database grows by the working record's description.
TEST_F(ConfigureFilesTest, SavesEveryFileItCanAndSummarisesInListOrder) {
    const std::vector<std::string> paths = {
        Srec("board.exe", ViewerRecord),
        Plain("100% none %s %d.exe", {}),
        Prc("viewer.prc", OutgoingRecord(ViewerRecord, true)),
        Plain("locked.exe", ViewerRecord),
    };
    const std::size_t prcLength = ReadFileBytes(paths[2]).size();
    ConfigureSummary summary;
    {
        const ReadOnlyFile locked(paths[3]);
        summary = Configure(paths);
    }
    ASSERT_EQ(shown_.size(), 2u);
    EXPECT_EQ(shown_[0],
              SaveFailure(paths[1], "The file does not contain any configuration data."));
    EXPECT_TRUE(shown_[1].starts_with(SaveFailure(paths[3], ""))) << shown_[1];
    EXPECT_EQ(
        summary.text,
        Summary({{"OK", paths[0]}, {"Error", paths[1]}, {"OK", paths[2]}, {"Error", paths[3]}}));
    EXPECT_EQ(summary.failures, 2u);

    EXPECT_EQ(TextOf(ReadFileBytes(paths[0])),
              SrecText(PayloadWith(OutgoingRecord(working_, false)), "\r\n"));
    EXPECT_GT(ReadFileBytes(paths[2]).size(), prcLength);
    for (const std::string& path : {paths[0], paths[2]}) {
        const HAL_STRUCT opened = Opened(path);
        EXPECT_EQ(opened.ClkI, working_.ClkI) << path;
        EXPECT_STREQ(opened.Description, working_.Description) << path;
    }
    EXPECT_EQ(Opened(paths[3]).ClkI, ViewerRecord.ClkI);
}

// Past the tenth failure the messages go into the summary instead of boxes,
// unless every message is wanted as it comes.
TEST_F(ConfigureFilesTest, MessagesOfFailuresPastTheTenthGoIntoTheSummary) {
    std::vector<std::string> paths = {Plain("good.exe", ViewerRecord)};
    for (int i = 0; i < 12; ++i) {
        paths.push_back(Plain("bad" + std::to_string(i) + ".exe", {}));
    }
    const std::string reason = "The file does not contain any configuration data.";
    const ConfigureSummary summary = Configure(paths);
    ASSERT_EQ(shown_.size(), kShownFailures);
    EXPECT_EQ(shown_.back(), SaveFailure(paths[10], reason));
    EXPECT_EQ(summary.files, 13u);
    EXPECT_EQ(summary.failures, 12u);
    const std::string lines = Summary({{"OK", paths[0]}}) + "Error\t" + paths[1] + "\n";
    EXPECT_TRUE(summary.text.starts_with(lines)) << summary.text;
    EXPECT_TRUE(summary.text.ends_with("Error\t" + paths[12] +
                                       "\n\nThe messages of the failures after the first 10 were "
                                       "not shown as message boxes; here they are:\n\n" +
                                       SaveFailure(paths[11], reason) + "\n\n" +
                                       SaveFailure(paths[12], reason) + "\n"))
        << summary.text;

    shown_.clear();
    EXPECT_EQ(Configure(paths, false, kAllFailuresShown).text.find("not shown"), std::string::npos);
    EXPECT_EQ(shown_.size(), 12u);
}

TEST_F(ConfigureFilesTest, PreservingAddressesKeepsEachFilesOwn) {
    auto withAddresses = [](std::uint32_t reg) {
        HAL_STRUCT record = ViewerRecord;
        record.RegPhysAddr = reg;
        record.MemPhysAddr = reg + 0x80000;
        record.Crc = config::ComputeRecordCrc(record);
        return record;
    };
    const std::vector<std::string> paths = {
        Plain("a.exe", withAddresses(0x00A00000)),
        Srec("b.s19", withAddresses(0x00B00000)),
        Prc("c.prc", OutgoingRecord(withAddresses(0x00C00000), true)),
    };
    EXPECT_EQ(Configure(paths, true).failures, 0u);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const HAL_STRUCT opened = Opened(paths[i]);
        EXPECT_EQ(opened.RegPhysAddr, 0x00A00000 + 0x100000 * i) << paths[i];
        EXPECT_EQ(opened.MemPhysAddr, opened.RegPhysAddr + 0x80000) << paths[i];
        EXPECT_EQ(opened.ClkI, working_.ClkI) << paths[i];
    }
}

} // namespace
} // namespace k7r::containers
