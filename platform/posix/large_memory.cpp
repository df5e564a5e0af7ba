#include "platform/large_memory.h"

#include <sys/mman.h>
#include <unistd.h>

#include <new>

namespace k7r::platform {
namespace {

// The large page of x86-64 and of most other systems that have them. The
// memory starts on one's boundary so that it can be made of them; a tail
// shorter than a large page gets small ones, rather than a large page
// cleared in full for it.
constexpr std::size_t kLargePage = std::size_t{2} << 20;

} // namespace

LargeMemory::LargeMemory(std::size_t size) {
    if (size == 0) {
        return;
    }
    void* mapped = ::mmap(nullptr, size + kLargePage, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) {
        throw std::bad_alloc();
    }
    // Only the aligned middle is kept.
    auto* start = static_cast<std::uint8_t*>(mapped);
    const std::size_t skip =
        (kLargePage - reinterpret_cast<std::uintptr_t>(start) % kLargePage) % kLargePage;
    if (skip > 0) {
        ::munmap(start, skip);
    }
    // The system maps whole pages, so what is kept ends on a page's end.
    const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    const std::size_t kept = (size + page - 1) / page * page;
    ::munmap(start + skip + kept, kLargePage - skip);
    address_ = start + skip;
    size_ = size;
    // Advice only: a system without large pages gives small ones.
    (void)::madvise(address_, size_, MADV_HUGEPAGE);
}

void LargeMemory::Release() {
    if (address_ != nullptr) {
        ::munmap(address_, size_);
        address_ = nullptr;
        size_ = 0;
    }
}

} // namespace k7r::platform
