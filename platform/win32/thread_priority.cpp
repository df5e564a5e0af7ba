#include "platform/thread_priority.h"

#include <windows.h>

namespace k7r::platform {

TimeCriticalPriority::TimeCriticalPriority() {
    const int current = GetThreadPriority(GetCurrentThread());
    savedPriority_ = current == THREAD_PRIORITY_ERROR_RETURN ? THREAD_PRIORITY_NORMAL : current;
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
}

TimeCriticalPriority::~TimeCriticalPriority() {
    SetThreadPriority(GetCurrentThread(), savedPriority_);
}

} // namespace k7r::platform
