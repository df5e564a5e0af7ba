#include "tests/support/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <utility>

namespace k7r::test {
namespace {

// Waits for the process's end, and gives its status and how long it took.
void Reap(pid_t pid, std::chrono::steady_clock::time_point start, ChildOutcome& outcome) {
    int waitStatus = 0;
    ::waitpid(pid, &waitStatus, 0);
    outcome.status = WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : 128 + WTERMSIG(waitStatus);
    outcome.took = std::chrono::steady_clock::now() - start;
}

// Everything the descriptor gives until its end or the deadline.
bool ReadUntilEnd(int fd, std::string& text, std::chrono::steady_clock::time_point deadline) {
    char buffer[4096];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd ready{fd, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&ready, 1, static_cast<int>(left.count())) == 0) {
            return false;
        }
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0) {
            return true;
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
}

} // namespace

ChildProcess::ChildProcess(const std::function<int(std::FILE* report)>& body) {
    int channel[2];
    if (::pipe(channel) != 0) {
        std::abort();
    }
    std::fflush(nullptr); // nothing buffered gets written twice
    start_ = std::chrono::steady_clock::now();
    pid_ = ::fork();
    if (pid_ == 0) {
        ::close(channel[0]);
        std::FILE* report = ::fdopen(channel[1], "w");
        const int status = body(report);
        std::fclose(report);
        ::_exit(status);
    }
    ::close(channel[1]);
    report_ = channel[0];
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0) {
        Kill();
        Wait();
    }
}

void ChildProcess::Kill() {
    ::kill(pid_, SIGKILL);
}

ChildOutcome ChildProcess::Wait() {
    ChildOutcome outcome;
    ReadUntilEnd(report_, outcome.report, std::chrono::steady_clock::time_point::max());
    ::close(report_);
    Reap(std::exchange(pid_, -1), start_, outcome);
    return outcome;
}

ChildOutcome RunProgram(const std::vector<std::string>& arguments, const std::string& stdoutPath,
                        std::chrono::milliseconds timeout) {
    int errors[2];
    if (::pipe(errors) != 0) {
        std::abort();
    }
    std::fflush(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int out = ::open(stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int in = ::open("/dev/null", O_RDONLY);
        ::dup2(in, STDIN_FILENO);
        ::dup2(out, STDOUT_FILENO);
        ::dup2(errors[1], STDERR_FILENO);
        std::vector<char*> argv;
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(errors[1]);
    ChildOutcome outcome;
    outcome.timedOut = !ReadUntilEnd(errors[0], outcome.report, start + timeout);
    ::close(errors[0]);
    if (outcome.timedOut) {
        ::kill(pid, SIGKILL);
    }
    Reap(pid, start, outcome);
    return outcome;
}

} // namespace k7r::test
