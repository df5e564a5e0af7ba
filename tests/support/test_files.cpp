#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace k7r::test {

std::string ScratchDirectory() {
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    const fs::path dir = fs::path(K7R_BINARY_DIR) / "tests" / "scratch" /
                         (std::string(info->test_suite_name()) + "." + info->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir.generic_string();
}

Bytes ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const Bytes& bytes) {
    WriteText(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const std::string& path, std::string_view text) {
    std::ofstream(path, std::ios::binary) << text;
}

bool FileExists(const std::string& path) {
    return fs::exists(fs::path(std::u8string(path.begin(), path.end())));
}

long EntriesIn(const std::string& directory) {
    return std::distance(fs::directory_iterator(directory), {});
}

Bytes Numbered(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 13 + i / 251);
    }
    return bytes;
}

void FailWith(const std::string& message) {
    ADD_FAILURE() << message;
}

Bytes ImageWithRecords(std::size_t size, const HAL_STRUCT& record,
                       const std::vector<std::size_t>& offsets) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    for (std::size_t offset : offsets) {
        std::memcpy(bytes.data() + offset, &record, sizeof record);
    }
    return bytes;
}

std::string TestImagePath(const std::string& name) {
    return std::string(K7R_BINARY_DIR) + "/tests/images/" + name;
}

bool RunningUnderWine() {
#ifdef _WIN32
    const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
    return false;
#endif
}

ReadOnlyFile::ReadOnlyFile(std::string path) : path_(std::move(path)) {
    fs::permissions(path_,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    SetImmutable(true);
#ifdef _WIN32
    denyWrite_ = reinterpret_cast<std::intptr_t>(
        ::CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                      FILE_ATTRIBUTE_NORMAL, nullptr));
#endif
}

ReadOnlyFile::~ReadOnlyFile() {
#ifdef _WIN32
    ::CloseHandle(reinterpret_cast<HANDLE>(denyWrite_));
#endif
    SetImmutable(false);
    fs::permissions(path_, fs::perms::owner_write, fs::perm_options::add);
}

void ReadOnlyFile::SetImmutable([[maybe_unused]] bool on) {
#ifndef _WIN32
    // Permission bits do not stop root; the immutable attribute does.
    if (geteuid() != 0) {
        return;
    }
    const int fd = ::open(path_.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    int flags = 0;
    ::ioctl(fd, FS_IOC_GETFLAGS, &flags);
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    const int set = ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
    ::close(fd);
    ASSERT_EQ(set, 0) << "cannot set the immutable attribute of " << path_;
#endif
}

} // namespace k7r::test
