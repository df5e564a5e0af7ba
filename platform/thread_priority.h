#pragma once

namespace k7r::platform {

// Runs the calling thread at the highest scheduling priority the system
// grants for as long as the object lives, then puts the previous priority
// back. Used around bit-banged bus traffic whose timing must not be broken
// up by other threads. A priority that cannot be read counts as normal; a
// raise the system refuses leaves the thread as it was.
class TimeCriticalPriority {
  public:
    TimeCriticalPriority();
    ~TimeCriticalPriority();
    TimeCriticalPriority(const TimeCriticalPriority&) = delete;
    TimeCriticalPriority& operator=(const TimeCriticalPriority&) = delete;

  private:
    int savedPolicy_ = 0;
    int savedPriority_ = 0;
};

} // namespace k7r::platform
