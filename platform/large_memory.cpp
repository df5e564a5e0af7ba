#include "platform/large_memory.h"

#include <utility>

namespace k7r::platform {

LargeMemory::LargeMemory(LargeMemory&& other) noexcept
    : address_(std::exchange(other.address_, nullptr)), size_(std::exchange(other.size_, 0)) {}

LargeMemory& LargeMemory::operator=(LargeMemory&& other) noexcept {
    if (this != &other) {
        Release();
        address_ = std::exchange(other.address_, nullptr);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

LargeMemory::~LargeMemory() {
    Release();
}

} // namespace k7r::platform
