#include "platform/large_memory.h"

#include <windows.h>

#include <new>

namespace k7r::platform {

// Windows gives large pages only to programs holding the right to lock
// memory, which ours do not ask for: ordinary pages, committed at once.
LargeMemory::LargeMemory(std::size_t size) {
    if (size == 0) {
        return;
    }
    address_ = static_cast<std::uint8_t*>(
        ::VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    if (address_ == nullptr) {
        throw std::bad_alloc();
    }
    size_ = size;
}

void LargeMemory::Release() {
    if (address_ != nullptr) {
        ::VirtualFree(address_, 0, MEM_RELEASE);
        address_ = nullptr;
        size_ = 0;
    }
}

} // namespace k7r::platform
