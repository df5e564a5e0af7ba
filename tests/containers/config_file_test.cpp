#include "config/default_records.h"
#include "config/record.h"
#include "containers/config_file.h"
#include "containers/configure_multiple.h"
#include "platform/file.h"
#include "platform/system_error.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace k7r::containers {
namespace {

using namespace test;
namespace fs = std::filesystem;

constexpr std::size_t kRecordOffset = 4000;

platform::FileTimes TimesOf(const std::string& path) {
    return *platform::File::Open(path, platform::FileAccess::Read)->Times();
}

// Old times, far from now, so that a restore can be told from a touch.
void SetOldTimes(const std::string& path) {
    auto file = platform::File::Open(path, platform::FileAccess::ReadWrite);
    platform::FileTimes times = *file->Times();
    times.lastAccess = {1000000000, 123456700};
    times.lastWrite = {1100000000, 987654300};
    EXPECT_TRUE(file->SetTimes(times));
}

// Real files in a scratch directory; every message shown is collected.
class ConfigFileTest : public testing::Test {
  protected:
    std::string Path(const std::string& name) const { return dir_ + "/" + name; }

    // A file holding the given record at the offsets, by default once.
    std::string MakeImage(const std::string& name, const HAL_STRUCT& record = ViewerRecord,
                          const std::vector<std::size_t>& offsets = {kRecordOffset}) {
        WriteFileBytes(Path(name), ImageWithRecords(9000, record, offsets));
        return Path(name);
    }

    bool Save(const std::string& source, const std::string& target = "") {
        return SaveConfigFile(source, target, working_, false, sink_);
    }

    // The file as a save should leave it: the working record in its place.
    Bytes AsSaved(Bytes file) const {
        HAL_STRUCT written = working_;
        written.Crc = config::ComputeRecordCrc(written);
        std::memcpy(file.data() + kRecordOffset, &written, sizeof written);
        return file;
    }

    const std::string dir_ = ScratchDirectory();
    std::vector<std::string> shown_;
    MessageSink sink_ = [this](const std::string& text) { shown_.push_back(text); };
    config::WorkingConfig config_{TemplateRecord};
    // Edited away from everything on disk; its Crc is never written as it stands.
    HAL_STRUCT working_ = [] {
        HAL_STRUCT record = ViewerRecord;
        std::strcpy(record.Description, "edited");
        record.ClkI = 33000000;
        record.Crc = 0x5555;
        return record;
    }();
};

// Each refusal has its reason, on open and on save. A refused save leaves
// the file's content and times as they were, and no copy behind.
TEST_F(ConfigFileTest, RefusesFilesWithTheirReasonAndLeavesThemAlone) {
    HAL_STRUCT wrongSize = ViewerRecord;
    wrongSize.Size = 0x5803; // the right size, but in the other byte order
    const std::string empty = Path("empty.lvb");
    WriteFileBytes(empty, {});
    const std::string missing = Path("missing.exe");

    const std::pair<std::string, std::string> cases[] = {
        {MakeImage("viewer.bin"), "The file type is not supported."},
        {MakeImage("viewer.s19x"), "The file type is not supported."},
        {missing, platform::ErrorText({2})}, // ENOENT, ERROR_FILE_NOT_FOUND
        {empty, "The specified file has a length of zero."},
        {MakeImage("none.exe", {}), "The file does not contain any configuration data."},
        {MakeImage("size.exe", wrongSize), "The configuration data structure size is incorrect."},
        {MakeImage("two.elf", ViewerRecord, {10, 5000}),
         "The file contains multiple configuration data structures."},
    };
    for (const auto& [path, reason] : cases) {
        shown_.clear();
        EXPECT_FALSE(OpenConfigFile(path, config_, sink_));
        EXPECT_EQ(std::memcmp(&config_.Record, &TemplateRecord, sizeof TemplateRecord), 0);
        const bool exists = path != missing;
        if (exists) {
            SetOldTimes(path);
        }
        const Bytes before = ReadFileBytes(path);
        const platform::FileTimes times = exists ? TimesOf(path) : platform::FileTimes{};
        EXPECT_FALSE(Save(path));
        ASSERT_EQ(FileExists(path), exists);
        if (exists) {
            const platform::FileTimes after = TimesOf(path); // before reading touches them
            EXPECT_EQ(after.lastWrite, times.lastWrite);
            EXPECT_EQ(after.lastAccess, times.lastAccess);
            EXPECT_EQ(ReadFileBytes(path), before);
        }
        // A copy of the same type, so that only the content is refused.
        const std::string copy = Path("copy" + fs::path(path).extension().string());
        EXPECT_FALSE(Save(path, copy));
        EXPECT_FALSE(FileExists(copy));
        EXPECT_EQ(shown_, (std::vector{OpenFailure(path, reason), SaveFailure(path, reason),
                                       SaveFailure(copy, reason)}));
    }
}

// Also into an unconfigured or corrupted record, which then opens.
TEST_F(ConfigFileTest, SaveInPlaceWritesTheRecordAndTheTimeOfTheSave) {
    HAL_STRUCT corrupted = ViewerRecord;
    corrupted.FrameRate = 71;
    const std::pair<HAL_STRUCT, std::string> cases[] = {
        {ViewerRecord, ""},
        {TemplateRecord, "The file has not yet been configured by this application."},
        {corrupted, "The file contains corrupted configuration data."},
    };
    for (const auto& [record, reason] : cases) {
        const std::string path = MakeImage("viewer.exe", record);
        shown_.clear();
        EXPECT_EQ(OpenConfigFile(path, config_, sink_), reason.empty());
        EXPECT_EQ(shown_, reason.empty() ? std::vector<std::string>{}
                                         : std::vector{OpenFailure(path, reason)});
        const Bytes before = ReadFileBytes(path);
        SetOldTimes(path);
        const platform::FileTimes oldTimes = TimesOf(path);
        const platform::FileTime start = platform::CurrentTime();

        ASSERT_TRUE(Save(path));
        EXPECT_EQ(ReadFileBytes(path), AsSaved(before)); // also: the growth room is gone again
        const platform::FileTimes times = TimesOf(path);
        EXPECT_GE(times.lastWrite, start);
        EXPECT_LE(times.lastWrite, platform::CurrentTime());
        if (!RunningUnderWine()) {
            EXPECT_EQ(times.creation, oldTimes.creation);
        }
        EXPECT_TRUE(OpenConfigFile(path, config_, sink_));
        EXPECT_EQ(config_.Record.ClkI, working_.ClkI);
    }
    EXPECT_EQ(working_.Crc, 0x5555); // the working record is left as it was
}

// A failed copy leaves none; an existing file under the target's name,
// also of a refused type or when the container kind refuses the source
// only once it has looked, is neither replaced nor removed; a read-only
// file is not saved into; the same file spelt differently is saved in place.
TEST_F(ConfigFileTest, SaveAsCopyLeavesTheSourceAndReplacesTheTargetWithAWritableFile) {
    const std::string source = MakeImage("viewer.exe");
    const Bytes original = ReadFileBytes(source);
    const std::string target = Path("copy.exe");
    WriteFileBytes(target, Bytes(100, 0xEE));
    {
        const ReadOnlyFile locked(source);
        ASSERT_TRUE(Save(source, target));
    }
    EXPECT_EQ(ReadFileBytes(source), original);
    EXPECT_EQ(ReadFileBytes(target), AsSaved(original));
    EXPECT_NE(fs::status(target).permissions() & fs::perms::owner_write, fs::perms::none);
    {
        const ReadOnlyFile locked(target);
        EXPECT_FALSE(Save(target));
        EXPECT_TRUE(shown_.back().starts_with(SaveFailure(target, ""))) << shown_.back();
    }

    const std::string intoMissingDirectory = Path("no/such/dir/copy.exe");
    EXPECT_FALSE(Save(source, intoMissingDirectory));
    EXPECT_TRUE(shown_.back().starts_with(SaveFailure(intoMissingDirectory, "")));
    const std::string unsupported = Path("copy.bin");
    WriteFileBytes(unsupported, {7});
    EXPECT_FALSE(Save(source, unsupported));
    EXPECT_EQ(ReadFileBytes(unsupported), Bytes{7});
    const std::string nameFull = Path("name_full.prc");
    fs::copy_file(K7R_SOURCE_DIR "/tests/containers/fixtures/saves/name_full.prc", nameFull);
    const std::string existing = Path("existing.prc");
    WriteFileBytes(existing, Bytes(100, 0xEE));
    shown_.clear();
    EXPECT_FALSE(Save(nameFull, existing));
    EXPECT_EQ(shown_, std::vector{SaveFailure(
                          existing, "The PRC database name leaves no room for the configuration "
                                    "suffix.")});
    EXPECT_EQ(ReadFileBytes(existing), Bytes(100, 0xEE));
    EXPECT_EQ(EntriesIn(dir_), 5);

    std::vector<std::string> spellings = {dir_ + "/./viewer.exe"};
#ifdef _WIN32
    spellings.push_back(Path("VIEWER.EXE"));
#endif
    for (const std::string& other : spellings) {
        working_.ClkI += 1;
        ASSERT_TRUE(Save(source, other)) << other;
        EXPECT_EQ(ReadFileBytes(source), AsSaved(original));
        EXPECT_EQ(EntriesIn(dir_), 5);
    }
}

// Saving into many files at once: past the tenth failure the messages go
// into the summary instead of boxes, unless every message is wanted as it
// comes. The summary of a run and the saves of each kind are asserted where
// the command line, the dialog and the container kinds are tested.
TEST_F(ConfigFileTest, ConfiguringManyFilesPutsTheMessagesPastTheTenthFailureInTheSummary) {
    std::vector<std::string> paths;
    for (int i = 0; i < 13; ++i) {
        paths.push_back(Path("file" + std::to_string(i) + ".exe"));
        WriteFileBytes(paths.back(),
                       ImageWithRecords(3000, i == 0 ? ViewerRecord : HAL_STRUCT{}, {1000}));
    }
    const std::string reason = "The file does not contain any configuration data.";
    const ConfigureSummary summary = ConfigureFiles(paths, ViewerRecord, false, sink_);
    ASSERT_EQ(shown_.size(), kShownFailures);
    EXPECT_EQ(shown_.back(), SaveFailure(paths[10], reason));
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

    shown_.clear();
    EXPECT_EQ(ConfigureFiles(paths, ViewerRecord, false, sink_, {}, kAllFailuresShown)
                  .text.find("not shown"),
              std::string::npos);
    EXPECT_EQ(shown_.size(), 12u);
}

// A big-endian m68k ELF made by a real toolchain. Saves into images of
// either byte order are checked against the record each target's compiler
// makes from the exported header.
TEST(BigEndianImage, IsAdoptedInHostOrder) {
    config::WorkingConfig config(TemplateRecord);
    ASSERT_TRUE(OpenConfigFile(TestImagePath("m68k_board.elf"), config, FailWith));
    const HAL_STRUCT& r = config.Record;
    EXPECT_STREQ(r.Description, "m68k evaluation board");
    EXPECT_EQ(r.EndianMark, HAL_ENDIAN_MARK);
    EXPECT_EQ(r.ClkI, 25175000u);
    EXPECT_EQ(r.RegPhysAddr, 0x00F00000u);
    EXPECT_EQ(r.PowerOffTime, 500);
    EXPECT_EQ(config.EntryCount, 5);
    EXPECT_EQ(r.Regs[4].Value, 0x28D70002u);
}

} // namespace
} // namespace k7r::containers
