#include "platform/replacement_file.h"
#include "platform/directory.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace k7r::platform {
namespace {

HANDLE AsHandle(NativeHandle handle) {
    return reinterpret_cast<HANDLE>(handle);
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/");
    if (separator == std::string::npos) {
        return ".";
    }
    // "C:\NAME" lies in "C:\", not in "C:" (the drive's current directory).
    return path.substr(0, separator == 2 && path[1] == ':' ? separator + 1 : separator);
}

// Four hexadecimal digits of temporary name.
constexpr std::uint32_t kTemporaryNumbers = 0x10000;

} // namespace

// GetTempFileName would do, but it takes no directory of more than 246
// characters: the name is made here as it makes it, "58cXXXX.tmp" with a
// number that starts from the clock and counts on past names in use.
Result<ReplacementFile> ReplacementFile::Create(const std::string& target) {
    const std::string directory = DirectoryOf(target);
    const auto start = static_cast<std::uint16_t>(::GetTickCount() ^ ::GetCurrentProcessId());
    for (std::uint32_t step = 0; step < kTemporaryNumbers; ++step) {
        char name[16];
        std::snprintf(name, sizeof name, "58c%04X.tmp",
                      static_cast<unsigned>((start + step) % kTemporaryNumbers));
        std::string temporary = JoinPath(directory, name);
        HANDLE handle = ::CreateFileW(WidePath(temporary).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            return ReplacementFile(target, std::move(temporary),
                                   reinterpret_cast<NativeHandle>(handle));
        }
        if (::GetLastError() != ERROR_FILE_EXISTS) {
            return LastSystemError();
        }
    }
    return SystemError{ERROR_FILE_EXISTS};
}

ReplacementFile::ReplacementFile(ReplacementFile&& other) noexcept
    : target_(std::move(other.target_)), temporary_(std::move(other.temporary_)),
      file_(std::move(other.file_)), committed_(other.committed_), attributes_(other.attributes_) {
    other.committed_ = true; // nothing left for it to remove
}

ReplacementFile::~ReplacementFile() {
    file_.reset();
    if (!committed_) {
        ::DeleteFileW(WidePath(temporary_).c_str());
    }
}

Status ReplacementFile::Append(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        DWORD put = 0;
        if (!::WriteFile(AsHandle(file_->handle()), bytes.data(), static_cast<DWORD>(bytes.size()),
                         &put, nullptr)) {
            return LastSystemError();
        }
        bytes = bytes.subspan(put);
    }
    return Ok();
}

Status ReplacementFile::AppendCopy(const File& source, std::uint64_t offset, std::uint64_t length) {
    std::vector<std::uint8_t> buffer(
        static_cast<std::size_t>(std::min<std::uint64_t>(length, 1u << 16)));
    while (length > 0) {
        const auto chunk = static_cast<std::size_t>(std::min<std::uint64_t>(length, buffer.size()));
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
    if (use == AttributeUse::WritableCopy) {
        attributes_ = FILE_ATTRIBUTE_NORMAL;
        return Ok();
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(AsHandle(model.handle()), &info)) {
        return LastSystemError();
    }
    attributes_ = info.dwFileAttributes;
    return Ok();
}

Status ReplacementFile::SetTimes(const FileTimes& times) {
    return file_->SetTimes(times);
}

// Windows cannot rename a file over one that is open, even by ourselves:
// the replaced file is closed just before, which ends its lock. A save
// that opens it in that moment keeps it open, and the rename then fails
// cleanly with the old file in place.
Status ReplacementFile::Commit(std::optional<File> replaced) {
    if (!::FlushFileBuffers(AsHandle(file_->handle()))) {
        return LastSystemError();
    }
    file_.reset();
    if (attributes_ != 0 && !::SetFileAttributesW(WidePath(temporary_).c_str(), attributes_)) {
        return LastSystemError();
    }
    replaced.reset();
    if (!::MoveFileExW(WidePath(temporary_).c_str(), WidePath(target_).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return LastSystemError();
    }
    committed_ = true;
    return Ok();
}

} // namespace k7r::platform
