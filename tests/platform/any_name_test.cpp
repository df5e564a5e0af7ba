#include "platform/directory.h"
#include "platform/environment.h"
#include "platform/file.h"
#include "platform/file_mapping.h"
#include "platform/file_ops.h"
#include "platform/replacement_file.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include "platform/win32/wide_text.h"

#include <windows.h>
#else
#include <stdlib.h>
#endif

#include <algorithm>
#include <filesystem>

namespace k7r::platform {
namespace {

namespace fs = std::filesystem;

// Through the system's own wide-character call: 32-bit Wine's C runtime
// under the standard library cuts long names short.
void MakeDirectory(const std::string& path) {
#ifdef _WIN32
    ASSERT_TRUE(::CreateDirectoryW(WidePath(path).c_str(), nullptr)) << path;
#else
    ASSERT_TRUE(fs::create_directory(path)) << path;
#endif
}

// The standard library's remove_all stops at Windows' 260-character limit
// (its C runtime's directory reading does), so a long tree goes entry by
// entry there, with the names the services give.
void RemoveTree(const std::string& path) {
#ifdef _WIN32
    if (const Result<std::vector<DirectoryEntry>> entries = ListDirectory(path)) {
        for (const DirectoryEntry& entry : *entries) {
            const std::string inner = JoinPath(path, entry.name);
            if (entry.name == "..") {
                continue;
            }
            if (entry.directory) {
                RemoveTree(inner);
            } else {
                ::DeleteFileW(WidePath(inner).c_str());
            }
        }
    }
    ::RemoveDirectoryW(WidePath(path).c_str());
#else
    fs::remove_all(path);
#endif
}

// The tree goes when the test ends, however it ends, so that the next run
// starts from an empty scratch directory.
struct TreeRemoval {
    std::string path;
    ~TreeRemoval() { RemoveTree(path); }
};

// Read through a service apart from the one that wrote.
std::string ReadBack(const std::string& path) {
    Result<File> file = File::Open(path, FileAccess::Read);
    if (!file) {
        return ErrorText(file.error());
    }
    const Result<FileMapping> mapped = FileMapping::MapReadOnly(*file, *file->Length());
    return mapped ? std::string(mapped->bytes().begin(), mapped->bytes().end()) : "(unmapped)";
}

// Made, opened, replaced and compared by name, and read back.
void UseFileNamed(const std::string& path, const std::string& sameFile) {
    SCOPED_TRACE(path);
    Result<ReplacementFile> created = ReplacementFile::Create(path);
    ASSERT_TRUE(created) << ErrorText(created.error());
    ASSERT_TRUE(created->Append(test::BytesOf("old")));
    ASSERT_TRUE(created->Commit(std::nullopt));
    ASSERT_TRUE(IsRegularFile(path));
    Result<File> file = File::Open(path, FileAccess::ReadWrite);
    ASSERT_TRUE(file) << ErrorText(file.error());
    EXPECT_EQ(*file->Length(), 3u);
    EXPECT_TRUE(file->IsNamedBy(path));
    EXPECT_TRUE(NameSameFile(path, sameFile));

    Result<ReplacementFile> replacement = ReplacementFile::Create(path);
    ASSERT_TRUE(replacement) << ErrorText(replacement.error());
    ASSERT_TRUE(replacement->Append(test::BytesOf("new content")));
    ASSERT_TRUE(replacement->Commit(std::move(*file)));
    EXPECT_EQ(ReadBack(path), "new content");
}

// Below a directory named in two scripts, six levels deep: a path of over
// Windows' 260 characters, but where 32-bit Wine makes no directories this
// deep (the command-line test covers such paths there).
TEST(AnyName, FilesOfAnyScriptAndLengthAreMadeOpenedReplacedAndListed) {
    const std::string named = test::ScratchDirectory() + "/Кириллица 日本語";
    const TreeRemoval removal{named};
    MakeDirectory(named);
    const int levels = test::RunningUnderWine() && sizeof(void*) == 4 ? 0 : 6;
    std::string deep = named;
    for (int level = 0; level < levels; ++level) {
        deep += '/';
        deep += std::to_string(level);
        deep += "ディレクトリディレクトリディレクトリディレクトリ";
        MakeDirectory(deep);
    }
    const std::string same = deep + "/../" + deep.substr(deep.rfind('/') + 1) + "/";
    for (const std::string name :
         {"Ελληνικά.bin", "中文.bin", "Ελληνικά 中文 🎛.bin"}) {
        UseFileNamed(deep + "/" + name, same + name);
        const Result<std::vector<DirectoryEntry>> entries = ListDirectory(deep);
        ASSERT_TRUE(entries) << name;
        EXPECT_TRUE(std::ranges::any_of(*entries, [&](const DirectoryEntry& entry) {
            return entry.name == name && !entry.directory;
        })) << name;
    }
    const std::string longest = deep + "/Ελληνικά 中文 🎛.bin";
    const auto characters = std::ranges::count_if(
        longest, [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; });
    EXPECT_TRUE(levels == 0 || characters > 260) << characters;

    const std::string picture = named + "/Ελληνικά 中文 🎛.png";
    std::FILE* stream = CreateWriteStream(picture);
    ASSERT_NE(stream, nullptr);
    std::fputs("picture", stream);
    std::fclose(stream);
    EXPECT_EQ(ReadBack(picture), "picture");

    // The emulator's panel picture is named in the environment.
#ifdef _WIN32
    _wputenv_s(L"K7R_ANY_NAME", Widen(picture).c_str());
#else
    setenv("K7R_ANY_NAME", picture.c_str(), 1);
#endif
    EXPECT_EQ(EnvironmentVariable("K7R_ANY_NAME"), picture);
    EXPECT_EQ(EnvironmentVariable("K7R_NOT_SET"), std::nullopt);
}

} // namespace
} // namespace k7r::platform
