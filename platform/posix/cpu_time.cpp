#include "platform/cpu_time.h"

#include <ctime>

namespace k7r::platform {

// In nanoseconds.
std::uint64_t ThreadCpuTicks() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000000000u +
           static_cast<std::uint64_t>(now.tv_nsec);
}

} // namespace k7r::platform
