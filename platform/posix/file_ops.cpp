#include "platform/file_ops.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace k7r::platform {
namespace {

// Closes a descriptor when the scope ends.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

Status CopyContent(int from, int to) {
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return LastSystemError();
        }
        if (got == 0) {
            return Ok();
        }
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(to, buffer.data() + done, got - done);
            if (put < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return LastSystemError();
            }
            done += put;
        }
    }
}

} // namespace

Status CopyFileReplacing(const std::string& source, const std::string& target) {
    const Descriptor from{::open(source.c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat sourceInfo {};
    if (from.fd < 0 || ::fstat(from.fd, &sourceInfo) != 0) {
        return LastSystemError();
    }
    // Opened without truncating, so that a target that turns out to be the
    // source is refused before it is emptied.
    const Descriptor to{
        ::open(target.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, sourceInfo.st_mode & 07777)};
    struct stat targetInfo {};
    if (to.fd < 0 || ::fstat(to.fd, &targetInfo) != 0) {
        return LastSystemError();
    }
    if (targetInfo.st_dev == sourceInfo.st_dev && targetInfo.st_ino == sourceInfo.st_ino) {
        return SystemError{EINVAL};
    }
    Status copied = Ok();
    if (::ftruncate(to.fd, 0) != 0 || ::fchmod(to.fd, sourceInfo.st_mode & 07777) != 0) {
        copied = LastSystemError();
    } else {
        copied = CopyContent(from.fd, to.fd);
    }
    if (!copied) {
        // No partial copy stays behind.
        ::unlink(target.c_str());
    }
    return copied;
}

Status ClearFileAttributes(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 ||
        ::chmod(path.c_str(), (info.st_mode & 07777) | S_IWUSR) != 0) {
        return LastSystemError();
    }
    return Ok();
}

Status RemoveFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0) {
        return LastSystemError();
    }
    return Ok();
}

bool NameSameFile(const std::string& first, const std::string& second) {
    if (first == second) {
        return true;
    }
    struct stat a {};
    struct stat b {};
    return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace k7r::platform
