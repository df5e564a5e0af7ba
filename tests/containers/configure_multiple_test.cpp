// Saving into many files at once, and the S-record and PRC kinds behind the
// container core's open and save on real files.
#include "config/byte_order.h"
#include "config/default_records.h"
#include "config/record.h"
#include "containers/configure_multiple.h"
#include "tests/containers/container_builders.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

namespace k7r {
namespace {

using namespace test;

class ConfigureFilesTest : public testing::Test {
  protected:
    std::string Path(const std::string& name) const { return dir_ + "/" + name; }

    std::string Write(const std::string& name, const Bytes& bytes) {
        WriteFileBytes(Path(name), bytes);
        return Path(name);
    }
    std::string Write(const std::string& name, std::string_view text) {
        const auto bytes = BytesOf(text);
        return Write(name, Bytes(bytes.begin(), bytes.end()));
    }

    // A plain image, an S-record text and a PRC database holding record.
    std::string Plain(const std::string& name, const HAL_STRUCT& record) {
        return Write(name, ImageWithRecords(3000, record, {1000}));
    }
    std::string Srec(const std::string& name, const HAL_STRUCT& record,
                     std::string_view eol = "\r\n") {
        return Write(name, SrecText(PayloadWith(record), eol));
    }
    std::string Prc(const std::string& name, const HAL_STRUCT& bigEndianRecord) {
        PrcDataResource data;
        data.sections[1] = PayloadWith(bigEndianRecord, 20, 8);
        return Write(name, PrcDatabase("Board", {{"data", 0, data.Build()}, {"code", 1, {1, 2}}}));
    }

    HAL_STRUCT Opened(const std::string& path) {
        WorkingConfig config(TemplateRecord);
        EXPECT_TRUE(OpenConfigFile(path, config, sink_)) << path;
        return config.Record;
    }

    ConfigureSummary Configure(const std::vector<std::string>& paths, bool preserve = false) {
        return ConfigureFiles(paths, working_, preserve, sink_);
    }

    static HAL_STRUCT Working() {
        HAL_STRUCT record = ViewerRecord;
        record.ClkI = 33000000;
        record.RegPhysAddr = 0x10000000;
        record.MemPhysAddr = 0x10200000;
        return record;
    }

    static HAL_STRUCT WithAddresses(std::uint32_t reg, std::uint32_t mem) {
        HAL_STRUCT record = ViewerRecord;
        record.RegPhysAddr = reg;
        record.MemPhysAddr = mem;
        record.Crc = ComputeRecordCrc(record);
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

std::string SaveFailure(const std::string& path, const std::string& reason) {
    return "File \"" + path + "\" could not be saved because:\n\n" + reason;
}

TEST_F(ConfigureFilesTest, SavesEveryFileAndSummarisesInListOrder) {
    const std::vector<std::string> paths = {
        Srec("board.s19", ViewerRecord),
        Plain("norecord.exe", {}),
        Prc("viewer.prc", OutgoingRecord(ViewerRecord, true)),
    };
    const ConfigureSummary summary = Configure(paths);

    EXPECT_EQ(shown_, std::vector<std::string>{SaveFailure(
                          paths[1], "The file does not contain any configuration data.")});
    EXPECT_EQ(summary.text, Summary({{"OK", paths[0]}, {"Error", paths[1]}, {"OK", paths[2]}}));
    EXPECT_EQ(summary.failures, 1u);
    for (const std::string& path : {paths[0], paths[2]}) {
        const HAL_STRUCT opened = Opened(path);
        EXPECT_EQ(opened.ClkI, working_.ClkI) << path;
        EXPECT_EQ(opened.RegPhysAddr, working_.RegPhysAddr) << path;
    }
}

TEST_F(ConfigureFilesTest, AReadOnlyFileIsAnErrorAndTheOthersAreStillDone) {
    const std::vector<std::string> paths = {
        Plain("a.exe", ViewerRecord), Plain("b.exe", ViewerRecord), Plain("c.exe", ViewerRecord)};
    ConfigureSummary summary;
    {
        const ReadOnlyFile locked(paths[1]);
        summary = Configure(paths);
    }
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_TRUE(shown_[0].starts_with(SaveFailure(paths[1], ""))) << shown_[0];
    EXPECT_EQ(summary.text, Summary({{"OK", paths[0]}, {"Error", paths[1]}, {"OK", paths[2]}}));
    EXPECT_EQ(Opened(paths[1]).ClkI, ViewerRecord.ClkI);
    EXPECT_EQ(Opened(paths[2]).ClkI, working_.ClkI);
}

TEST_F(ConfigureFilesTest, PreservingAddressesKeepsEachFilesOwn) {
    const std::vector<std::string> paths = {
        Plain("a.exe", WithAddresses(0x00A00000, 0x00A80000)),
        Srec("b.s19", WithAddresses(0x00B00000, 0x00B80000)),
        Prc("c.prc", OutgoingRecord(WithAddresses(0x00C00000, 0x00C80000), true)),
    };
    EXPECT_EQ(Configure(paths, true).failures, 0u);
    const std::uint32_t expected[][2] = {
        {0x00A00000, 0x00A80000}, {0x00B00000, 0x00B80000}, {0x00C00000, 0x00C80000}};
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const HAL_STRUCT opened = Opened(paths[i]);
        EXPECT_EQ(opened.RegPhysAddr, expected[i][0]) << paths[i];
        EXPECT_EQ(opened.MemPhysAddr, expected[i][1]) << paths[i];
        EXPECT_EQ(opened.ClkI, working_.ClkI) << paths[i];
    }
}

TEST_F(ConfigureFilesTest, APathWithPercentSignsAppearsUnchanged) {
    const std::string path = Plain("100% done %s %d.exe", ViewerRecord);
    EXPECT_EQ(Configure({path}).text, Summary({{"OK", path}}));
}

TEST_F(ConfigureFilesTest, TheContentDecidesTheKindAndSavesTrimTheFile) {
    // S-record text in a file named like a Windows program.
    std::string text = SrecText(PayloadWith(ViewerRecord), "\n");
    text.insert(text.find('\n'), 1, '\r');
    const std::string exe = Write("srec.exe", text);
    EXPECT_EQ(Opened(exe).ClkI, ViewerRecord.ClkI);
    ASSERT_TRUE(SaveConfigFile(exe, "", working_, false, sink_));
    const HAL_STRUCT written = OutgoingRecord(working_, false);
    const Bytes saved = ReadFileBytes(exe);
    EXPECT_EQ(TextOf(saved), SrecText(PayloadWith(written), "\r\n"));

    // The database grows by the record's new description.
    const std::string prc = Prc("board.prc", OutgoingRecord(ViewerRecord, true));
    const std::size_t before = ReadFileBytes(prc).size();
    HAL_STRUCT described = working_;
    for (int i = 0; i < 100; ++i) {
        described.Description[i] = static_cast<char>('a' + i % 26);
    }
    ASSERT_TRUE(SaveConfigFile(prc, "", described, false, sink_));
    const Bytes database = ReadFileBytes(prc);
    EXPECT_GT(database.size(), before);
    EXPECT_STREQ(Opened(prc).Description, described.Description);
    char name[32];
    HAL_STRUCT stored = described;
    ByteSwapRecord(stored);
    std::snprintf(name, sizeof name, "Board-%04X", ComputeRecordCrc(stored));
    EXPECT_STREQ(reinterpret_cast<const char*>(database.data()), name);
    EXPECT_TRUE(shown_.empty());
}

} // namespace
} // namespace k7r
