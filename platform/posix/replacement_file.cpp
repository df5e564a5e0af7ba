#include "platform/replacement_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace k7r::platform {
namespace {

// The file a symbolic link leads to, or the name itself.
std::string Resolved(const std::string& path) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) {
        return path;
    }
    std::string resolved(real);
    std::free(real);
    return resolved;
}

// Makes the rename itself last: it lives in the directory.
void SyncDirectoryOf(const std::string& path) {
    const std::string directory = std::filesystem::path(path).parent_path().string();
    const int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

Result<ReplacementFile> ReplacementFile::Create(const std::string& target) {
    std::string resolved = Resolved(target);
    std::string temporary = resolved + "~XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return LastSystemError();
    }
    ReplacementFile replacement(std::move(resolved), std::move(temporary), fd);
    // mkstemp makes the file its owner's alone; a new file gets what the
    // umask leaves of reading and writing for all.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd, 0666 & ~mask) != 0) {
        return LastSystemError();
    }
    return replacement;
}

ReplacementFile::ReplacementFile(ReplacementFile&& other) noexcept
    : target_(std::move(other.target_)), temporary_(std::move(other.temporary_)),
      file_(std::move(other.file_)), committed_(other.committed_), attributes_(other.attributes_) {
    other.committed_ = true; // nothing left for it to remove
}

ReplacementFile::~ReplacementFile() {
    file_.reset();
    if (!committed_) {
        ::unlink(temporary_.c_str());
    }
}

Status ReplacementFile::Append(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(static_cast<int>(file_->handle()), bytes.data(), bytes.size());
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            return LastSystemError();
        }
        bytes = bytes.subspan(static_cast<std::size_t>(put));
    }
    return Ok();
}

Status ReplacementFile::AppendCopy(const File& source, std::uint64_t offset, std::uint64_t length) {
    const int from = static_cast<int>(source.handle());
    const int to = static_cast<int>(file_->handle());
    // In the kernel: the bytes never reach our memory, so they cost no page
    // faults. File systems that cannot copy between these two files say so
    // at once, and the copy goes through a buffer instead.
    while (length > 0) {
        auto at = static_cast<off_t>(offset);
        const std::size_t chunk =
            static_cast<std::size_t>(std::min<std::uint64_t>(length, 1u << 30));
        const ssize_t copied = ::copy_file_range(from, &at, to, nullptr, chunk, 0);
        if (copied < 0) {
            if (errno == EINTR) {
                continue;
            }
            if (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP) {
                break;
            }
            return LastSystemError();
        }
        if (copied == 0) {
            return Refusal::ChangedWhileRead;
        }
        offset += static_cast<std::uint64_t>(copied);
        length -= static_cast<std::uint64_t>(copied);
    }
    std::vector<std::uint8_t> buffer(
        static_cast<std::size_t>(std::min<std::uint64_t>(length, 1u << 16)));
    while (length > 0) {
        const std::size_t chunk =
            static_cast<std::size_t>(std::min<std::uint64_t>(length, buffer.size()));
        const Result<std::size_t> got = source.ReadAt(offset, std::span(buffer).first(chunk));
        if (!got) {
            return got.error();
        }
        if (*got != chunk) {
            return Refusal::ChangedWhileRead;
        }
        if (Status put = Append(std::span(buffer).first(chunk)); !put) {
            return put;
        }
        offset += chunk;
        length -= chunk;
    }
    return Ok();
}

Status ReplacementFile::TakeAttributes(const File& model, AttributeUse use) {
    struct stat info {};
    if (::fstat(static_cast<int>(model.handle()), &info) != 0) {
        return LastSystemError();
    }
    const int fd = static_cast<int>(file_->handle());
    if (use == AttributeUse::SameFile) {
        // Only root can give a file away; anyone else saving a file that
        // another user owns ends up owning the new one, as with a copy.
        (void)::fchown(fd, info.st_uid, info.st_gid);
        if (::fchmod(fd, info.st_mode & 07777) != 0) {
            return LastSystemError();
        }
    } else if (::fchmod(fd, (info.st_mode & 07777) | S_IWUSR) != 0) {
        return LastSystemError();
    }
    return Ok();
}

Status ReplacementFile::SetTimes(const FileTimes& times) {
    return file_->SetTimes(times);
}

// Flushed before the rename: a file system that reports a full disk only
// when the data reaches it (network file systems do) must fail here, while
// the old file still stands.
Status ReplacementFile::Commit(std::optional<File> replaced) {
    if (::fdatasync(static_cast<int>(file_->handle())) != 0) {
        return LastSystemError();
    }
    // close reports what a network file system could not store after all.
    const int closed = ::close(static_cast<int>(file_->handle()));
    file_->handle_ = -1;
    file_.reset();
    if (closed != 0 || ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        return LastSystemError();
    }
    committed_ = true;
    SyncDirectoryOf(target_);
    replaced.reset();
    return Ok();
}

} // namespace k7r::platform
