#include "platform/cpu_time.h"

#include <windows.h>

namespace k7r::platform {

// In processor cycles: the thread times Windows keeps advance only with the
// scheduler's tick, far too coarse for this.
std::uint64_t ThreadCpuTicks() {
    ULONG64 cycles = 0;
    ::QueryThreadCycleTime(::GetCurrentThread(), &cycles);
    return cycles;
}

} // namespace k7r::platform
