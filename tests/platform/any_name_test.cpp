#include "platform/directory.h"
#include "platform/file.h"
#include "platform/file_ops.h"
#include "platform/replacement_file.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include "platform/win32/wide_text.h"

#include <windows.h>
#endif

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace k7r::platform {
namespace {

namespace fs = std::filesystem;

// The standard library's own way to a UTF-8 name, so that the services
// under test are not their own witness: wide on Windows, the bytes as they
// are on POSIX (whatever the test's locale).
fs::path Utf8Path(const std::string& name) {
#ifdef _WIN32
    return fs::path(std::u8string(name.begin(), name.end()));
#else
    return fs::path(name);
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

std::string ReadBack(const std::string& name) {
    std::ifstream in(Utf8Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::span<const std::uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(AnyName, FilesOfAnyScriptAndLengthAreOpenedReplacedListedAndCompared) {
    const std::string named = test::ScratchDirectory() + "/Кириллица 日本語";
    std::string deep = named;
    for (int level = 0; level < 4; ++level) {
        deep += "/";
        for (int part = 0; part < 12; ++part) {
            deep += "ディレクトリ";
        }
    }
    const TreeRemoval removal{named};
    fs::create_directories(Utf8Path(deep));
    const std::string names[] = {"Ελληνικά.bin", "中文.bin", "emoji 🎛.bin"};
    std::vector<std::string> paths;
    for (const std::string& name : names) {
        paths.push_back(named + "/" + name);
    }
    paths.push_back(deep + "/Ελληνικά 中文 🎛.bin");
    const auto characters = std::ranges::count_if(
        paths.back(), [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; });
    EXPECT_GT(characters, 300);

    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        std::ofstream(Utf8Path(path), std::ios::binary) << "old";
        ASSERT_TRUE(IsRegularFile(path));
        Result<File> file = File::Open(path, FileAccess::ReadWrite);
        ASSERT_TRUE(file) << ErrorText(file.error());
        EXPECT_EQ(*file->Length(), 3u);
        EXPECT_TRUE(file->IsNamedBy(path));
        EXPECT_TRUE(NameSameFile(path, named + "/./" + path.substr(named.size() + 1)));

        Result<ReplacementFile> replacement = ReplacementFile::Create(path);
        ASSERT_TRUE(replacement) << ErrorText(replacement.error());
        ASSERT_TRUE(replacement->Append(Bytes("new content")));
        ASSERT_TRUE(replacement->Commit(std::move(*file)));
        EXPECT_EQ(ReadBack(path), "new content");

        std::FILE* stream = CreateWriteStream(path + ".png");
        ASSERT_NE(stream, nullptr);
        std::fputs("picture", stream);
        std::fclose(stream);
        EXPECT_EQ(ReadBack(path + ".png"), "picture");
    }

    const Result<std::vector<DirectoryEntry>> entries = ListDirectory(named);
    ASSERT_TRUE(entries);
    for (const std::string& name : names) {
        EXPECT_TRUE(std::ranges::any_of(*entries, [&](const DirectoryEntry& entry) {
            return entry.name == name && !entry.directory;
        })) << name;
    }
}

} // namespace
} // namespace k7r::platform
