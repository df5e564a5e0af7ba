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
    const std::string directory = directory_ + "/directory.exe";
    const std::string fifo = directory_ + "/fifo.exe";
    const std::string device = directory_ + "/zero.exe";
    const std::string socket = directory_ + "/socket.exe";
    std::filesystem::create_directory(directory);
    EXPECT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/zero", device);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socket.c_str(), sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    entries_ = {
        {directory, platform::Refusal::Directory},
        {fifo, platform::Refusal::Fifo},
        {device, platform::Refusal::Device},
        {socket, platform::Refusal::Socket},
    };
}

SpecialFiles::~SpecialFiles() {
    if (!directory_.empty()) {
        std::filesystem::remove_all(directory_);
    }
}

} // namespace k7r::test
