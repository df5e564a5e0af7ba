#include "platform/file_mapping.h"

#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <limits>

namespace k7r::platform {
namespace {

// The views whose faults the bus-error handler answers and whose pages a
// scan may release. A program has one or two views at a time; a view that
// finds no free slot goes unguarded and keeps its pages.
struct GuardedView {
    std::atomic<bool> used{false};
    std::atomic<std::uintptr_t> begin{0};
    std::atomic<std::uintptr_t> end{0};
    std::atomic<bool> damaged{false};
};
constexpr std::size_t kGuardSlots = 8;
GuardedView guardedViews[kGuardSlots];

struct sigaction previousBusAction;
std::uintptr_t pageSize;

// A page of a guarded view that the file cannot fill is replaced by a page
// of zeros, and the read that faulted goes on. Faults elsewhere go to
// whoever handled them before; by default the program ends as it would
// have without us.
void OnBusError(int signal, siginfo_t* info, void* context) {
    const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
    for (GuardedView& view : guardedViews) {
        if (view.used && address >= view.begin && address < view.end) {
            void* page = reinterpret_cast<void*>(address & ~(pageSize - 1));
            if (::mmap(page, pageSize, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) !=
                MAP_FAILED) {
                view.damaged = true;
                return;
            }
        }
    }
    if ((previousBusAction.sa_flags & SA_SIGINFO) != 0) {
        previousBusAction.sa_sigaction(signal, info, context);
    } else if (previousBusAction.sa_handler != SIG_DFL && previousBusAction.sa_handler != SIG_IGN) {
        previousBusAction.sa_handler(signal);
    } else {
        // The faulting access runs again and now ends the program.
        ::signal(SIGBUS, SIG_DFL);
    }
}

void InstallBusErrorHandler() {
    static const bool installed = [] {
        pageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
        struct sigaction action {};
        action.sa_sigaction = OnBusError;
        action.sa_flags = SA_SIGINFO;
        sigemptyset(&action.sa_mask);
        return ::sigaction(SIGBUS, &action, &previousBusAction) == 0;
    }();
    (void)installed;
}

NativeHandle Guard(const void* address, std::size_t length) {
    InstallBusErrorHandler();
    for (std::size_t slot = 0; slot < kGuardSlots; ++slot) {
        GuardedView& view = guardedViews[slot];
        if (!view.used.exchange(true)) {
            view.damaged = false;
            view.begin = reinterpret_cast<std::uintptr_t>(address);
            view.end = reinterpret_cast<std::uintptr_t>(address) + length;
            return static_cast<NativeHandle>(slot);
        }
    }
    return -1;
}

void Unguard(NativeHandle slot) {
    if (slot >= 0) {
        GuardedView& view = guardedViews[slot];
        view.begin = 0;
        view.end = 0;
        view.used = false;
    }
}

} // namespace

Result<FileMapping> FileMapping::MapReadOnly(const File& file, std::uint64_t length) {
    if (length > std::numeric_limits<std::size_t>::max()) {
        return SystemError{EFBIG};
    }
    void* address = ::mmap(nullptr, static_cast<std::size_t>(length), PROT_READ, MAP_SHARED,
                           static_cast<int>(file.handle()), 0);
    if (address == MAP_FAILED) {
        return LastSystemError();
    }
    // Readers go through the file from start to end; advice only.
    (void)::madvise(address, static_cast<std::size_t>(length), MADV_SEQUENTIAL);
    return FileMapping(static_cast<const std::uint8_t*>(address), static_cast<std::size_t>(length),
                       Guard(address, static_cast<std::size_t>(length)));
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

bool FileMapping::Intact() const {
    return section_ < 0 || !guardedViews[section_].damaged;
}

// Systems before Linux 5.14 refuse the advice; their scans fault.
void BringIn(std::span<const std::uint8_t> bytes) {
    const auto begin = reinterpret_cast<std::uintptr_t>(bytes.data()) & ~(pageSize - 1);
    const std::uintptr_t end = reinterpret_cast<std::uintptr_t>(bytes.data()) + bytes.size();
    if (begin < end) {
        (void)::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_READ);
    }
}

void ReleaseScanned(std::span<const std::uint8_t> bytes) {
    const auto begin = reinterpret_cast<std::uintptr_t>(bytes.data());
    const std::uintptr_t end = begin + bytes.size();
    for (const GuardedView& view : guardedViews) {
        // Only pages of a file view: others would come back as zeros.
        if (view.used && begin >= view.begin && end <= view.end) {
            const std::uintptr_t first = (begin + pageSize - 1) & ~(pageSize - 1);
            const std::uintptr_t last = end & ~(pageSize - 1);
            if (first < last) {
                (void)::madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
            }
            return;
        }
    }
}

void FileMapping::Unmap() {
    if (address_ != nullptr) {
        Unguard(section_);
        ::munmap(const_cast<std::uint8_t*>(address_), length_);
        address_ = nullptr;
    }
}

} // namespace k7r::platform
