#include "platform/page_faults.h"

#include <sys/resource.h>

namespace k7r::platform {

std::uint64_t PageFaultCount() {
    rusage usage{};
    ::getrusage(RUSAGE_THREAD, &usage);
    return static_cast<std::uint64_t>(usage.ru_minflt) +
           static_cast<std::uint64_t>(usage.ru_majflt);
}

} // namespace k7r::platform
