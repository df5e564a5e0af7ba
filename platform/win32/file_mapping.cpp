#include "platform/file_mapping.h"

#include <windows.h>

#include <limits>

namespace k7r::platform {
namespace {

struct View {
    std::uint8_t* address;
    HANDLE section;
};

Result<View> MapView(File& file, std::uint64_t length, bool writable) {
    if (length > std::numeric_limits<std::size_t>::max()) {
        return SystemError{ERROR_FILE_TOO_LARGE};
    }
    // A writable section longer than the file extends the file on disk.
    HANDLE section = ::CreateFileMappingA(
        reinterpret_cast<HANDLE>(file.handle()), nullptr, writable ? PAGE_READWRITE : PAGE_READONLY,
        static_cast<DWORD>(length >> 32), static_cast<DWORD>(length), nullptr);
    if (section == nullptr) {
        return LastSystemError();
    }
    void* address = ::MapViewOfFile(section, writable ? FILE_MAP_WRITE : FILE_MAP_READ, 0, 0,
                                    static_cast<SIZE_T>(length));
    if (address == nullptr) {
        const SystemError error = LastSystemError();
        ::CloseHandle(section);
        return error;
    }
    return View{static_cast<std::uint8_t*>(address), section};
}

} // namespace

Result<FileMapping> FileMapping::MapReadOnly(File& file, std::uint64_t length) {
    Result<View> view = MapView(file, length, false);
    if (!view) {
        return view.error();
    }
    return FileMapping(view->address, static_cast<std::size_t>(length),
                       reinterpret_cast<NativeHandle>(view->section));
}

Result<FileMapping> FileMapping::MapWritable(File& file, std::uint64_t length) {
    Result<View> view = MapView(file, length, true);
    if (!view) {
        return view.error();
    }
    return FileMapping(view->address, static_cast<std::size_t>(length),
                       reinterpret_cast<NativeHandle>(view->section));
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
        ::UnmapViewOfFile(address_);
        ::CloseHandle(reinterpret_cast<HANDLE>(section_));
        address_ = nullptr;
    }
}

} // namespace k7r::platform
