#include "platform/file_mapping.h"

#include <sys/mman.h>

#include <cerrno>
#include <limits>

namespace k7r::platform {
namespace {

Result<FileMapping> TooLarge() {
    return SystemError{EFBIG};
}

} // namespace

Result<FileMapping> FileMapping::MapReadOnly(File& file, std::uint64_t length) {
    if (length > std::numeric_limits<std::size_t>::max()) {
        return TooLarge();
    }
    // Readers go through the whole file: its pages are mapped in one go
    // rather than fault by fault.
    void* address = ::mmap(nullptr, static_cast<std::size_t>(length), PROT_READ,
                           MAP_SHARED | MAP_POPULATE, static_cast<int>(file.handle()), 0);
    if (address == MAP_FAILED) {
        return LastSystemError();
    }
    return FileMapping(static_cast<std::uint8_t*>(address), static_cast<std::size_t>(length), -1);
}

Result<FileMapping> FileMapping::MapWritable(File& file, std::uint64_t length) {
    if (length > std::numeric_limits<std::size_t>::max()) {
        return TooLarge();
    }
    // Pages beyond the end of a file cannot be mapped on POSIX: the file
    // itself grows first, as it does under a Windows mapping.
    const Result<std::uint64_t> current = file.Length();
    if (!current) {
        return current.error();
    }
    if (*current < length) {
        if (Status grown = file.SetLength(length); !grown) {
            return grown.error();
        }
    }
    void* address = ::mmap(nullptr, static_cast<std::size_t>(length), PROT_READ | PROT_WRITE,
                           MAP_SHARED, static_cast<int>(file.handle()), 0);
    if (address == MAP_FAILED) {
        return LastSystemError();
    }
    return FileMapping(static_cast<std::uint8_t*>(address), static_cast<std::size_t>(length), -1);
}

FileMapping::FileMapping(FileMapping&& other) noexcept
    : address_(other.address_), length_(other.length_), section_(other.section_) {
    other.address_ = nullptr;
}

FileMapping& FileMapping::operator=(FileMapping&& other) noexcept {
    if (this != &other) {
        Unmap();
        address_ = other.address_;
        length_ = other.length_;
        section_ = other.section_;
        other.address_ = nullptr;
    }
    return *this;
}

FileMapping::~FileMapping() {
    Unmap();
}

void FileMapping::Unmap() {
    if (address_ != nullptr) {
        ::munmap(address_, length_);
        address_ = nullptr;
    }
}

} // namespace k7r::platform
