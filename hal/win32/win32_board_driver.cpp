#include "hal/win32/win32_board_driver.h"

#include <windows.h>

namespace k7r::hal {
namespace {

// CTL_CODE(4, function, METHOD_BUFFERED, FILE_ANY_ACCESS)
constexpr DWORD kIoctlLocateBoard = 0x00042404; // function 901h
constexpr DWORD kIoctlMapPhysical = 0x00042408; // function 902h
constexpr DWORD kIoctlUnmap = 0x0004240C;       // function 903h

class Win32BoardDriver final : public BoardDriver {
  public:
    explicit Win32BoardDriver(HANDLE device) : device_(device) {}
    ~Win32BoardDriver() override { CloseHandle(device_); }

    std::optional<std::uintptr_t> LocateBoard(std::uint32_t board) override {
        DWORD in = board;
        DWORD out[2] = {0, 0};
        DWORD returned = 0;
        if (!DeviceIoControl(device_, kIoctlLocateBoard, &in, sizeof in, out, sizeof out, &returned,
                             nullptr)) {
            return std::nullopt;
        }
        return out[0];
    }

    std::optional<std::uintptr_t> MapPhysical(std::uint32_t physical,
                                              std::uint32_t length) override {
        DWORD in[2] = {physical, length};
        DWORD out = 0;
        DWORD returned = 0;
        if (!DeviceIoControl(device_, kIoctlMapPhysical, in, sizeof in, &out, sizeof out, &returned,
                             nullptr)) {
            return std::nullopt;
        }
        return out;
    }

    bool Unmap(std::uintptr_t linear) override {
        DWORD in = static_cast<DWORD>(linear);
        DWORD returned = 0;
        return DeviceIoControl(device_, kIoctlUnmap, &in, sizeof in, nullptr, 0, &returned,
                               nullptr) != 0;
    }

  private:
    HANDLE device_;
};

// Windows NT-family systems have a device driver; Windows 9x loads the VxD
// dynamically through CreateFile with these unusual flags.
HANDLE OpenDevice() {
    const bool nt = (GetVersion() & 0x80000000u) == 0;
    if (nt) {
        return CreateFileA("\\\\.\\K7R58xxx", GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    return CreateFileA("\\\\.\\K7R58xxx.VXD", 0, 0, nullptr, CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE,
                       nullptr);
}

} // namespace

std::unique_ptr<BoardDriver> OpenWin32BoardDriver() {
    HANDLE device = OpenDevice();
    if (device == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    return std::make_unique<Win32BoardDriver>(device);
}

} // namespace k7r::hal
