#include "platform/page_faults.h"

#include <windows.h>

#include <psapi.h>

namespace k7r::platform {

std::uint64_t PageFaultCount() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!::K32GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters)) {
        return 0;
    }
    return counters.PageFaultCount;
}

} // namespace k7r::platform
