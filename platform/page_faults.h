#pragma once

#include <cstdint>

namespace k7r::platform {

// The page faults the calling thread has taken so far (where the system
// counts only per process: the process's), soft and hard alike; to tell
// what touching some memory cost.
std::uint64_t PageFaultCount();

} // namespace k7r::platform
