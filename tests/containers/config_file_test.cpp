#include "config/default_records.h"
#include "config/record.h"
#include "containers/config_file.h"
#include "platform/file.h"
#include "platform/system_error.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace k7r {
namespace {

using test::Bytes;
using test::FileExists;
using test::ImageWithRecords;
using test::ReadFileBytes;
using test::RecordAt;
using test::WriteFileBytes;

constexpr std::size_t kImageSize = 9000;
constexpr std::size_t kRecordOffset = 4000;

// Real files in a scratch directory; every message shown is collected.
class ConfigFileTest : public testing::Test {
  protected:
    std::string Path(const std::string& name) const { return dir_ + "/" + name; }

    // A file holding the given record once, at kRecordOffset.
    std::string MakeImage(const std::string& name, const HAL_STRUCT& record = ViewerRecord) {
        const std::string path = Path(name);
        WriteFileBytes(path, ImageWithRecords(kImageSize, record, {kRecordOffset}));
        return path;
    }

    bool Open(const std::string& path) { return OpenConfigFile(path, config_, sink_); }
    bool Save(const std::string& source, const std::string& target = "", bool preserve = false) {
        return SaveConfigFile(source, target, working_, preserve, sink_);
    }

    std::string OpenFailure(const std::string& path, const std::string& reason) const {
        return "File \"" + path + "\" could not be opened because:\n\n" + reason;
    }
    std::string SaveFailure(const std::string& path, const std::string& reason) const {
        return "File \"" + path + "\" could not be saved because:\n\n" + reason;
    }

    // The record the saves write: edited away from everything on disk.
    static HAL_STRUCT EditedRecord() {
        HAL_STRUCT record = ViewerRecord;
        std::strcpy(record.Description, "edited");
        record.ClkI = 33000000;
        record.RegPhysAddr = 0x10000000;
        record.MemPhysAddr = 0x10200000;
        record.Crc = 0x5555; // never written as it stands
        return record;
    }

    const std::string dir_ = test::ScratchDirectory();
    std::vector<std::string> shown_;
    MessageSink sink_ = [this](const std::string& text) { shown_.push_back(text); };
    WorkingConfig config_{TemplateRecord};
    HAL_STRUCT working_ = EditedRecord();
};

// The record a save should leave in a little-endian file.
HAL_STRUCT Written(HAL_STRUCT record) {
    record.Crc = ComputeRecordCrc(record);
    return record;
}

platform::FileTimes TimesOf(const std::string& path) {
    auto file = platform::File::Open(path, platform::FileAccess::Read);
    EXPECT_TRUE(file);
    return *file->Times();
}

// Old times, far from now, so that a restore can be told from a touch.
void SetOldTimes(const std::string& path) {
    auto file = platform::File::Open(path, platform::FileAccess::ReadWrite);
    ASSERT_TRUE(file);
    platform::FileTimes times = *file->Times();
    times.lastAccess = {1000000000, 123456700};
    times.lastWrite = {1100000000, 987654300};
    ASSERT_TRUE(file->SetTimes(times));
}

TEST(HasExtension, ComparesTheEndOfThePathIgnoringCase) {
    EXPECT_TRUE(HasExtension("board.s19", ".S19"));
    EXPECT_TRUE(HasExtension("C:\\Tools\\58C22VIEW.Exe", ".EXE"));
    EXPECT_FALSE(HasExtension("board.s19x", ".S19"));
    EXPECT_FALSE(HasExtension("S19", ".S19"));
    EXPECT_TRUE(HasAcceptedExtension("firmware.lvb"));
    EXPECT_TRUE(HasAcceptedExtension("a.prc"));
    EXPECT_FALSE(HasAcceptedExtension("firmware.bin"));
}

TEST_F(ConfigFileTest, OpenAdoptsTheRecordAndUnbindsTheChip) {
    config_.Bound = config_.Live = true;
    config_.PositionHint = 3;
    ASSERT_TRUE(Open(MakeImage("viewer.exe")));
    EXPECT_TRUE(shown_.empty());
    EXPECT_EQ(std::memcmp(&config_.Record, &ViewerRecord, sizeof ViewerRecord), 0);
    EXPECT_EQ(config_.EntryCount, 49);
    EXPECT_EQ(config_.PositionHint, -1);
    EXPECT_FALSE(config_.Bound);
    EXPECT_FALSE(config_.Live);
}

TEST_F(ConfigFileTest, OpenShowsWhyAFileIsRefusedAndKeepsTheConfiguration) {
    HAL_STRUCT corrupted = ViewerRecord;
    corrupted.FrameRate = 71;
    HAL_STRUCT wrongSize = ViewerRecord;
    wrongSize.Size = 855;
    const std::string twoRecords = Path("two.elf");
    WriteFileBytes(twoRecords, ImageWithRecords(kImageSize, ViewerRecord, {10, 5000}));
    const std::string empty = Path("empty.idp");
    WriteFileBytes(empty, {});
    const std::string missing = Path("missing.exe");

    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {Path("viewer.bin"), "The file type is not supported."},
        {missing, platform::ErrorText({2})}, // ENOENT, ERROR_FILE_NOT_FOUND
        {empty, "The specified file has a length of zero."},
        {MakeImage("none.exe", {}), "The file does not contain any configuration data."},
        {MakeImage("size.exe", wrongSize), "The configuration data structure size is incorrect."},
        {twoRecords, "The file contains multiple configuration data structures."},
        {MakeImage("new.exe", TemplateRecord),
         "The file has not yet been configured by this application."},
        {MakeImage("bad.exe", corrupted), "The file contains corrupted configuration data."},
    };
    for (const auto& c : cases) {
        shown_.clear();
        EXPECT_FALSE(Open(c.path));
        ASSERT_EQ(shown_.size(), 1u);
        EXPECT_EQ(shown_[0], OpenFailure(c.path, c.reason));
        EXPECT_EQ(std::memcmp(&config_.Record, &TemplateRecord, sizeof TemplateRecord), 0);
    }
    EXPECT_FALSE(FileExists(missing));
}

TEST_F(ConfigFileTest, SaveInPlaceWritesTheRecordAndTheTimeOfTheSave) {
    const std::string path = MakeImage("viewer.exe");
    const Bytes before = ReadFileBytes(path);
    SetOldTimes(path);
    const platform::FileTimes oldTimes = TimesOf(path);
    const platform::FileTime start = platform::CurrentTime();

    ASSERT_TRUE(Save(path));
    EXPECT_TRUE(shown_.empty());

    const Bytes after = ReadFileBytes(path);
    ASSERT_EQ(after.size(), before.size()); // the growth room is gone again
    const HAL_STRUCT written = Written(working_);
    EXPECT_EQ(std::memcmp(after.data() + kRecordOffset, &written, sizeof written), 0);
    EXPECT_TRUE(std::equal(after.begin(), after.begin() + kRecordOffset, before.begin()));
    EXPECT_TRUE(std::equal(after.begin() + kRecordOffset + HAL_RECORD_SIZE, after.end(),
                           before.begin() + kRecordOffset + HAL_RECORD_SIZE));

    const platform::FileTimes times = TimesOf(path);
    EXPECT_GE(times.lastWrite, start);
    EXPECT_LE(times.lastWrite, platform::CurrentTime());
    if (!test::RunningUnderWine()) {
        EXPECT_EQ(times.creation, oldTimes.creation);
    }
    EXPECT_EQ(working_.Crc, 0x5555); // the working record is left as it was
}

TEST_F(ConfigFileTest, SaveGoesIntoAnUnconfiguredOrCorruptedRecordWhichThenOpens) {
    HAL_STRUCT corrupted = ViewerRecord;
    corrupted.Flags = 0;
    for (const HAL_STRUCT& record : {TemplateRecord, corrupted}) {
        const std::string path = MakeImage("image.elf", record);
        ASSERT_FALSE(Open(path));
        ASSERT_TRUE(Save(path));
        ASSERT_TRUE(Open(path));
        EXPECT_EQ(config_.Record.ClkI, working_.ClkI);
        EXPECT_EQ(config_.Record.Crc, ComputeRecordCrc(working_));
    }
}

TEST_F(ConfigFileTest, SaveWithPreservedAddressesKeepsTheFilesOwn) {
    HAL_STRUCT inFile = ViewerRecord;
    inFile.RegPhysAddr = 0x00F00000;
    inFile.MemPhysAddr = 0x00E00000;
    const std::string path = MakeImage("board.exe", inFile);
    ASSERT_TRUE(Save(path, "", true));

    const HAL_STRUCT written = RecordAt(ReadFileBytes(path), kRecordOffset);
    EXPECT_EQ(written.RegPhysAddr, 0x00F00000u);
    EXPECT_EQ(written.MemPhysAddr, 0x00E00000u);
    EXPECT_EQ(written.ClkI, working_.ClkI);
    EXPECT_EQ(CheckRecord(written), RecordState::Configured);
}

TEST_F(ConfigFileTest, FailedSaveInPlaceLeavesContentAndTimesAsTheyWere) {
    const std::string noRecord = MakeImage("none.exe", {});
    const std::string twoRecords = Path("two.exe");
    WriteFileBytes(twoRecords, ImageWithRecords(kImageSize, ViewerRecord, {0, 6000}));
    HAL_STRUCT wrongSize = ViewerRecord;
    wrongSize.Size = 0x5803;
    const std::string badSize = MakeImage("size.exe", wrongSize);
    const std::string empty = Path("empty.lvb");
    WriteFileBytes(empty, {});

    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {empty, "The specified file has a length of zero."},
        {noRecord, "The file does not contain any configuration data."},
        {twoRecords, "The file contains multiple configuration data structures."},
        {badSize, "The configuration data structure size is incorrect."},
    };
    for (const auto& c : cases) {
        SetOldTimes(c.path);
        const Bytes before = ReadFileBytes(c.path);
        const platform::FileTimes times = TimesOf(c.path);
        shown_.clear();
        EXPECT_FALSE(Save(c.path));
        ASSERT_EQ(shown_.size(), 1u);
        EXPECT_EQ(shown_[0], SaveFailure(c.path, c.reason));
        const platform::FileTimes after = TimesOf(c.path);
        EXPECT_EQ(after.lastWrite, times.lastWrite);
        EXPECT_EQ(after.lastAccess, times.lastAccess);
        EXPECT_EQ(ReadFileBytes(c.path), before);
    }
}

TEST_F(ConfigFileTest, SaveRefusesAReadOnlyFileAndLeavesIt) {
    const std::string path = MakeImage("locked.exe");
    const Bytes before = ReadFileBytes(path);
    {
        const test::ReadOnlyFile locked(path);
        EXPECT_FALSE(Save(path));
        ASSERT_EQ(shown_.size(), 1u);
        EXPECT_TRUE(shown_[0].starts_with(SaveFailure(path, "")));
        EXPECT_GT(shown_[0].size(), SaveFailure(path, "").size());
    }
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(ConfigFileTest, SaveAsCopyLeavesTheSourceAndReplacesTheTarget) {
    const std::string source = MakeImage("viewer.exe");
    const Bytes original = ReadFileBytes(source);
    const std::string target = Path("copy.exe");
    WriteFileBytes(target, Bytes(100, 0xEE));

    ASSERT_TRUE(Save(source, target));
    EXPECT_EQ(ReadFileBytes(source), original);
    const Bytes copy = ReadFileBytes(target);
    ASSERT_EQ(copy.size(), original.size());
    const HAL_STRUCT written = Written(working_);
    EXPECT_EQ(std::memcmp(copy.data() + kRecordOffset, &written, sizeof written), 0);
}

TEST_F(ConfigFileTest, SaveAsCopyOfAReadOnlyFileMakesAWritableCopy) {
    const std::string source = MakeImage("viewer.exe");
    const std::string target = Path("copy.elf");
    {
        const test::ReadOnlyFile locked(source);
        ASSERT_TRUE(Save(source, target));
    }
    namespace fs = std::filesystem;
    EXPECT_NE(fs::status(target).permissions() & fs::perms::owner_write, fs::perms::none);
}

TEST_F(ConfigFileTest, FailedSaveAsCopyLeavesNoCopy) {
    const std::string noRecord = MakeImage("none.exe", {});
    const std::string copy = Path("copy.exe");
    EXPECT_FALSE(Save(noRecord, copy));
    EXPECT_EQ(shown_.back(),
              SaveFailure(copy, "The file does not contain any configuration data."));
    EXPECT_FALSE(FileExists(copy));

    const std::string source = MakeImage("viewer.exe");
    const std::string intoMissingDirectory = Path("no/such/dir/copy.exe");
    EXPECT_FALSE(Save(source, intoMissingDirectory));
    EXPECT_TRUE(shown_.back().starts_with(SaveFailure(intoMissingDirectory, "")));
    EXPECT_FALSE(FileExists(intoMissingDirectory));

    // A file of a refused type is neither created nor replaced nor removed.
    const std::string unsupported = Path("copy.bin");
    EXPECT_FALSE(Save(source, unsupported));
    EXPECT_EQ(shown_.back(), SaveFailure(unsupported, "The file type is not supported."));
    EXPECT_FALSE(FileExists(unsupported));
    WriteFileBytes(unsupported, {7});
    EXPECT_FALSE(Save(source, unsupported));
    EXPECT_EQ(ReadFileBytes(unsupported), Bytes{7});
}

TEST_F(ConfigFileTest, SaveAsTheSameFileSpeltDifferentlySavesInPlace) {
    const std::string path = MakeImage("viewer.exe");
    std::vector<std::string> spellings = {dir_ + "/./viewer.exe"};
#ifdef _WIN32
    spellings.push_back(Path("VIEWER.EXE"));
#endif
    for (const std::string& other : spellings) {
        working_.ClkI += 1;
        ASSERT_TRUE(Save(path, other)) << other;
        EXPECT_EQ(RecordAt(ReadFileBytes(path), kRecordOffset).ClkI, working_.ClkI);
        namespace fs = std::filesystem;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
    }
}

} // namespace
} // namespace k7r
