#include "platform/file_mapping.h"

#include <windows.h>

#include <limits>

namespace k7r::platform {

Result<FileMapping> FileMapping::MapReadOnly(const File& file, std::uint64_t length) {
    if (length > std::numeric_limits<std::size_t>::max()) {
        return SystemError{ERROR_FILE_TOO_LARGE};
    }
    HANDLE section =
        ::CreateFileMappingW(reinterpret_cast<HANDLE>(file.handle()), nullptr, PAGE_READONLY,
                             static_cast<DWORD>(length >> 32), static_cast<DWORD>(length), nullptr);
    if (section == nullptr) {
        return LastSystemError();
    }
    void* address = ::MapViewOfFile(section, FILE_MAP_READ, 0, 0, static_cast<SIZE_T>(length));
    if (address == nullptr) {
        const SystemError error = LastSystemError();
        ::CloseHandle(section);
        return error;
    }
    return FileMapping(static_cast<const std::uint8_t*>(address), static_cast<std::size_t>(length),
                       reinterpret_cast<NativeHandle>(section));
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

// Windows refuses to shorten a file while a view of it exists.
bool FileMapping::Intact() const {
    return true;
}

// Windows brings a view's pages in by clusters as they are first read, and
// the call that would map them at once (PrefetchVirtualMemory) is missing
// from some of its versions that the programs run on.
void BringIn(std::span<const std::uint8_t>) {}

// Unlocking pages that are not locked takes them out of the working set,
// whatever memory they belong to; their content stays.
void ReleaseScanned(std::span<const std::uint8_t> bytes) {
    SYSTEM_INFO system;
    ::GetSystemInfo(&system);
    const std::uintptr_t pageSize = system.dwPageSize;
    const auto begin = reinterpret_cast<std::uintptr_t>(bytes.data());
    const std::uintptr_t first = (begin + pageSize - 1) & ~(pageSize - 1);
    const std::uintptr_t last = (begin + bytes.size()) & ~(pageSize - 1);
    if (first < last) {
        (void)::VirtualUnlock(reinterpret_cast<void*>(first), last - first);
    }
}

void FileMapping::Unmap() {
    if (address_ != nullptr) {
        ::UnmapViewOfFile(address_);
        ::CloseHandle(reinterpret_cast<HANDLE>(section_));
        address_ = nullptr;
    }
}

} // namespace k7r::platform
