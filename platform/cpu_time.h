#pragma once

#include <cstdint>

namespace k7r::platform {

// A count that grows with the processor time the calling thread uses, its
// work in the system on its behalf (page faults, copying for reads)
// included, in a unit of the system's choosing: for telling which of two
// ways of doing some work costs less. Time the thread waits or others run
// does not count.
std::uint64_t ThreadCpuTicks();

} // namespace k7r::platform
