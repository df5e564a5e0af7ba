#include "platform/thread_priority.h"

#include <pthread.h>
#include <sched.h>

namespace k7r::platform {

// Real-time scheduling usually needs privileges; without them the thread
// simply keeps its normal priority.
TimeCriticalPriority::TimeCriticalPriority() {
    sched_param param{};
    if (pthread_getschedparam(pthread_self(), &savedPolicy_, &param) != 0) {
        savedPolicy_ = SCHED_OTHER;
        param.sched_priority = 0;
    }
    savedPriority_ = param.sched_priority;
    sched_param raised{};
    raised.sched_priority = sched_get_priority_max(SCHED_FIFO);
    pthread_setschedparam(pthread_self(), SCHED_FIFO, &raised);
}

TimeCriticalPriority::~TimeCriticalPriority() {
    sched_param param{};
    param.sched_priority = savedPriority_;
    pthread_setschedparam(pthread_self(), savedPolicy_, &param);
}

} // namespace k7r::platform
