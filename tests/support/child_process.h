#pragma once

// Work done in a separate process, so that a test can put faults on it
// alone: a file size limit, another user, a kill at any moment, a private
// file system. POSIX only.
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace k7r::test {

struct ChildOutcome {
    // The exit status, or 128 plus the signal that ended the process.
    int status = 0;
    // What the process wrote to its report (a forked copy) or to standard
    // error (a program).
    std::string report;
    bool timedOut = false;
    std::chrono::steady_clock::duration took{};
};

// A forked copy of the test process running body, which reports through
// the stream it is given; the process ends with body's result and never
// returns into the test framework.
class ChildProcess {
  public:
    explicit ChildProcess(const std::function<int(std::FILE* report)>& body);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    void Kill();
    ChildOutcome Wait();

  private:
    pid_t pid_ = -1;
    int report_ = -1;
    std::chrono::steady_clock::time_point start_;
};

// Runs a program with standard output going to stdoutPath and standard
// error collected, killing it once timeout has passed.
ChildOutcome RunProgram(const std::vector<std::string>& arguments, const std::string& stdoutPath,
                        std::chrono::milliseconds timeout);

} // namespace k7r::test
