#include "tests/support/special_files.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

namespace k7r::test {

SpecialFiles::SpecialFiles() {
    char name[] = "/tmp/k7r-special-XXXXXX";
    if (::mkdtemp(name) == nullptr) {
        ADD_FAILURE() << "cannot make a directory under /tmp";
        return;
    }
    directory_ = name;
    entries_ = {
        {directory_ + "/directory.exe", platform::Refusal::Directory},
        {directory_ + "/fifo.exe", platform::Refusal::Fifo},
        {directory_ + "/zero.exe", platform::Refusal::Device},
        {directory_ + "/socket.exe", platform::Refusal::Socket},
    };
    std::filesystem::create_directory(entries_[0].path);
    EXPECT_EQ(::mkfifo(entries_[1].path.c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/zero", entries_[2].path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, entries_[3].path.c_str(), sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

SpecialFiles::~SpecialFiles() {
    if (!directory_.empty()) {
        std::filesystem::remove_all(directory_);
    }
}

} // namespace k7r::test
