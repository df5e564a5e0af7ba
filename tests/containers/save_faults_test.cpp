// What happens to a file when something stops its save: a full disk, a kill
// at any moment, a second save at the same time, a user who may not write
// it. Whatever it is, the file holds exactly its old content or the new,
// nothing else is left behind, and its record opens. Each save runs in a
// child process so that the fault hits it alone.
#include "config/default_records.h"
#include "containers/config_file.h"
#include "platform/system_error.h"
#include "tests/containers/container_builders.h"
#include "tests/support/child_process.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <random>
#include <thread>

namespace k7r::containers {
namespace {

using namespace test;
namespace fs = std::filesystem;

struct Kind {
    const char* name;
    const char* file;    // in the test's directory
    const char* fixture; // of tests/containers/fixtures/saves, or none for a plain image
    rlim_t sizeLimit;    // a file size limit that stops a save of the file part way
};

// The plain image's limit cuts through its record, which is patched in
// place; the other kinds grow when saved.
const Kind kKinds[] = {
    {"Plain", "image.exe", nullptr, 4096},
    {"Srec", "image.s19", "grows.s19", 2048},
    {"Prc", "image.prc", "grows.prc", 256},
};

// A record to save, with text in its description so that the PRC
// database's data resource grows.
HAL_STRUCT Working(char letter) {
    HAL_STRUCT record = TemplateRecord;
    std::memset(record.Description, letter, 40);
    record.ClkI = 30000000 + static_cast<std::uint32_t>(letter);
    return record;
}

// Messages shown in a child go to the parent through its report.
MessageSink ReportTo(std::FILE* report) {
    return [report](const std::string& text) { std::fprintf(report, "%s\n", text.c_str()); };
}

std::string SaveFailure(const std::string& path, platform::SystemError error) {
    return test::SaveFailure(path, platform::ErrorText(error) + "\n");
}

constexpr platform::SystemError kInUse{.refusal = platform::Refusal::InUse};

class SaveFaults : public testing::TestWithParam<Kind> {
  protected:
    void SetUp() override {
        const char* fixture = GetParam().fixture;
        old_ = fixture == nullptr ? ImageWithRecords(9000, ConfiguredRecord(25000000), {4000})
                                  : ReadFileBytes(std::string(K7R_SOURCE_DIR) +
                                                  "/tests/containers/fixtures/saves/" + fixture);
        ASSERT_FALSE(old_.empty());
        newA_ = SavedAlone(recordA_);
        newB_ = SavedAlone(recordB_);
        ASSERT_NE(newA_, old_);
        ASSERT_NE(newB_, newA_);
    }

    std::string Path() const { return dir_ + "/" + GetParam().file; }
    std::string CopyPath() const {
        return dir_ + "/copy" + fs::path(GetParam().file).extension().string();
    }

    // The old file alone in the directory.
    void Reset() {
        for (const auto& entry : fs::directory_iterator(dir_)) {
            fs::remove_all(entry.path());
        }
        WriteFileBytes(Path(), old_);
    }

    Bytes SavedAlone(const HAL_STRUCT& record) {
        Reset();
        EXPECT_TRUE(SaveConfigFile(Path(), "", record, false, ignore_));
        return ReadFileBytes(Path());
    }

    // The file is exactly one of the given contents, and its record opens.
    void ExpectOneOf(const std::vector<const Bytes*>& allowed) {
        const Bytes now = ReadFileBytes(Path());
        EXPECT_TRUE(
            std::ranges::any_of(allowed, [&](const Bytes* content) { return *content == now; }))
            << "the file is neither old nor new (" << now.size() << " bytes)";
        config::WorkingConfig config(TemplateRecord);
        EXPECT_TRUE(OpenConfigFile(Path(), config, ignore_));
    }

    // The save in place and the save into a copy over an existing file, each
    // in a child that first puts the fault on itself (a result other than 0
    // says it could not): both are refused with the text of error and leave
    // every file as it was.
    void ExpectSavesRefused(platform::SystemError error, const std::function<int()>& fault) {
        const Bytes existing(100, 0xEE);
        for (const std::string& target : {std::string(), CopyPath()}) {
            Reset();
            WriteFileBytes(CopyPath(), existing);
            ChildProcess saver([&](std::FILE* report) {
                if (const int failed = fault(); failed != 0) {
                    return failed;
                }
                return SaveConfigFile(Path(), target, recordA_, false, ReportTo(report)) ? 0 : 1;
            });
            const ChildOutcome outcome = saver.Wait();
            EXPECT_EQ(outcome.status, 1);
            EXPECT_EQ(outcome.report, SaveFailure(target.empty() ? Path() : target, error));
            EXPECT_EQ(ReadFileBytes(Path()), old_);
            EXPECT_EQ(ReadFileBytes(CopyPath()), existing);
            EXPECT_EQ(EntriesIn(dir_), 2) << "a failed save left a file behind";
        }
    }

    const std::string dir_ = ScratchDirectory();
    const HAL_STRUCT recordA_ = Working('A');
    const HAL_STRUCT recordB_ = Working('B');
    Bytes old_, newA_, newB_;
    MessageSink ignore_ = [](const std::string&) {};
};

TEST_P(SaveFaults, AFileSizeLimitStopsTheSaveAndLeavesEveryFileAsItWas) {
    ExpectSavesRefused({EFBIG}, [&] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{GetParam().sizeLimit, GetParam().sizeLimit};
        return ::setrlimit(RLIMIT_FSIZE, &limit);
    });
}

// A memory file system with no room left: a plain image needs none, the
// other kinds are refused with the system's text. Either way the file can
// be read afterwards (a mapping of pages that cannot be had is no crash).
TEST_P(SaveFaults, AFullFileSystemStopsOnlySavesThatNeedRoom) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "mounting a file system needs root";
    }
    const std::string mountPoint = dir_ + "/full";
    const std::string path = mountPoint + "/" + GetParam().file;
    const std::string after = dir_ + "/after";
    fs::create_directory(mountPoint);
    constexpr int kCannotMount = 100;
    ChildProcess saver([&](std::FILE* report) {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0) {
            return kCannotMount;
        }
        WriteFileBytes(path, old_);
        const int filler = ::open((mountPoint + "/filler").c_str(), O_WRONLY | O_CREAT, 0644);
        const std::vector<char> block(4096, 'x');
        while (::write(filler, block.data(), block.size()) > 0) {
        }
        ::close(filler);
        const bool saved = SaveConfigFile(path, "", recordA_, false, ReportTo(report));
        config::WorkingConfig config(TemplateRecord);
        const bool opened = OpenConfigFile(path, config, ReportTo(report));
        WriteFileBytes(after, ReadFileBytes(path));
        const bool tidy = EntriesIn(mountPoint) == 2;
        return (saved ? 0 : 1) | (opened ? 0 : 2) | (tidy ? 0 : 4);
    });
    const ChildOutcome outcome = saver.Wait();
    if (outcome.status == kCannotMount) {
        GTEST_SKIP() << "no mount namespace here";
    }
    if (std::string_view(GetParam().name) == "Plain") {
        EXPECT_EQ(outcome.status, 0) << outcome.report;
        EXPECT_EQ(ReadFileBytes(after), newA_);
    } else {
        EXPECT_EQ(outcome.status, 1) << outcome.report;
        EXPECT_EQ(outcome.report, SaveFailure(path, {ENOSPC}));
        EXPECT_EQ(ReadFileBytes(after), old_);
    }
}

// The saver alternates between two records until it is killed, after a
// random delay that falls anywhere from before the first save to the
// middle of a later one. Files that a killed save was writing apart may
// stay, never in the file's place.
TEST_P(SaveFaults, AKillAtAnyMomentLeavesTheOldOrTheNewFile) {
    constexpr int kRounds = 40;
    std::mt19937 random(14);
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE(round);
        Reset();
        ChildProcess saver([&](std::FILE*) {
            for (;;) {
                SaveConfigFile(Path(), "", recordA_, false, ignore_);
                SaveConfigFile(Path(), "", recordB_, false, ignore_);
            }
            return 0;
        });
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 4000));
        saver.Kill();
        EXPECT_EQ(saver.Wait().status, 128 + SIGKILL);
        ExpectOneOf({&old_, &newA_, &newB_});
    }
}

// Two savers and a reader start together. A save that finds the file
// held by another is refused at once with a clear reason, as is a reader
// that finds it mid-save; the file is then what the saves that went
// through made of it.
TEST_P(SaveFaults, SavesAtTheSameTimeAreRefusedNeverMixed) {
    constexpr int kRounds = 25;
    const std::string busy = SaveFailure(Path(), kInUse);
    const std::string readerBusy = OpenFailure(Path(), platform::ErrorText(kInUse) + "\n");
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE(round);
        Reset();
        int gate[2];
        ASSERT_EQ(::pipe(gate), 0);
        auto waitAtGate = [&] {
            ::close(gate[1]);
            char c;
            return ::read(gate[0], &c, 1);
        };
        auto saving = [&](const HAL_STRUCT& record) {
            return [&, record](std::FILE* report) {
                waitAtGate();
                return SaveConfigFile(Path(), "", record, false, ReportTo(report)) ? 0 : 1;
            };
        };
        ChildProcess a(saving(recordA_));
        ChildProcess b(saving(recordB_));
        ChildProcess reader([&](std::FILE* report) {
            waitAtGate();
            config::WorkingConfig config(TemplateRecord);
            return OpenConfigFile(Path(), config, ReportTo(report)) ? 0 : 1;
        });
        ::close(gate[0]);
        ::close(gate[1]);
        const ChildOutcome read = reader.Wait();
        EXPECT_EQ(read.report, read.status == 0 ? "" : readerBusy);
        // What a save that went through made, or the old file if none did.
        std::vector<const Bytes*> allowed;
        for (const auto& [saver, made] : {std::pair(&a, &newA_), std::pair(&b, &newB_)}) {
            const ChildOutcome saved = saver->Wait();
            EXPECT_EQ(saved.report, saved.status == 0 ? "" : busy);
            if (saved.status == 0) {
                allowed.push_back(made);
            }
        }
        ExpectOneOf(allowed.empty() ? std::vector<const Bytes*>{&old_} : allowed);
        EXPECT_EQ(EntriesIn(dir_), 1);
    }
}

// Root may write any file, so the test drops to an ordinary user (nobody)
// when it runs as root. The directory lets anyone put a new file in the
// old one's place: only the check before the save keeps it out.
TEST_P(SaveFaults, AFileTheUserMayNotWriteIsRefusedThoughTheDirectoryIsOpen) {
    fs::permissions(dir_, fs::perms::all);
    ExpectSavesRefused({EACCES}, [&] {
        if (::geteuid() != 0) {
            fs::permissions(Path(), fs::perms::owner_read);
            fs::permissions(CopyPath(), fs::perms::owner_read);
            return 0;
        }
        constexpr uid_t kNobody = 65534;
        const bool dropped = ::setgroups(0, nullptr) == 0 &&
                             ::setresgid(kNobody, kNobody, kNobody) == 0 &&
                             ::setresuid(kNobody, kNobody, kNobody) == 0;
        return dropped ? 0 : 100;
    });
}

INSTANTIATE_TEST_SUITE_P(EachKind, SaveFaults, testing::ValuesIn(kKinds),
                         [](const testing::TestParamInfo<Kind>& info) { return info.param.name; });

} // namespace
} // namespace k7r::containers
