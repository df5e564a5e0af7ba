#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace k7r::platform {

// A large working buffer taken from the system directly, zero-filled, and
// in the system's large pages where it offers them on request: touching
// all of it then costs a fault per few megabytes instead of one per 4 KiB
// page, which on a virtual machine may each leave the guest. Meant to be
// taken once and reused. Throws std::bad_alloc when the system has no
// memory to give.
class LargeMemory {
  public:
    LargeMemory() = default;
    explicit LargeMemory(std::size_t size);
    LargeMemory(LargeMemory&& other) noexcept;
    LargeMemory& operator=(LargeMemory&& other) noexcept;
    ~LargeMemory();

    std::span<std::uint8_t> bytes() const { return {address_, size_}; }

  private:
    void Release();

    std::uint8_t* address_ = nullptr;
    std::size_t size_ = 0;
};

} // namespace k7r::platform
