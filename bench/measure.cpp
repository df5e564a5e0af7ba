#include "bench/measure.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

extern char** environ;

namespace k7r::bench {
namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

double Milliseconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
}

double CpuMs(const rusage& usage) {
    return Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
}

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "benchmark: %s\n", what.c_str());
    std::exit(1);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

Sample RunProgram(const std::vector<std::string>& arguments,
                  const std::vector<std::string>& environment) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        envp.push_back(*variable);
    }
    for (const std::string& variable : environment) {
        envp.push_back(const_cast<char*>(variable.c_str()));
    }
    envp.push_back(nullptr);

    // fork rather than posix_spawn: a child made with vfork starts its peak
    // memory from ours, whereas a forked child starts from what we hold at
    // the moment, which is little.
    const Clock::time_point start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        ::execvpe(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    if (child < 0) {
        Fail("cannot start " + arguments[0]);
    }
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child) {
        Fail("lost " + arguments[0]);
    }
    const double wall = Milliseconds(Clock::now() - start);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        Fail(arguments[0] + " failed");
    }
    // Linux counts ru_maxrss in KiB.
    return {wall, CpuMs(usage), static_cast<double>(usage.ru_maxrss) / 1024,
            static_cast<double>(usage.ru_minflt), static_cast<double>(usage.ru_majflt)};
}

Sample RunHere(const std::function<void()>& work) {
    rusage before{};
    ::getrusage(RUSAGE_SELF, &before);
    const Clock::time_point start = Clock::now();
    work();
    const double wall = Milliseconds(Clock::now() - start);
    rusage after{};
    ::getrusage(RUSAGE_SELF, &after);
    return {wall, CpuMs(after) - CpuMs(before), 0,
            static_cast<double>(after.ru_minflt - before.ru_minflt),
            static_cast<double>(after.ru_majflt - before.ru_majflt)};
}

std::vector<Sample> Alternate(std::span<const std::function<Sample()>> contenders, int rounds) {
    std::vector<std::vector<Sample>> samples(contenders.size());
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t i = 0; i < contenders.size(); ++i) {
            samples[i].push_back(contenders[i]());
        }
    }
    std::vector<Sample> medians;
    for (const std::vector<Sample>& runs : samples) {
        auto medianOf = [&](double Sample::*field) {
            std::vector<double> values;
            for (const Sample& run : runs) {
                values.push_back(run.*field);
            }
            return Median(values);
        };
        medians.push_back({medianOf(&Sample::wallMs), medianOf(&Sample::cpuMs),
                           medianOf(&Sample::peakMiB), medianOf(&Sample::minorFaults),
                           medianOf(&Sample::majorFaults)});
    }
    return medians;
}

void PrintRatio(std::string_view name, double value, std::string_view relation, double goal,
                std::string_view note) {
    std::printf("ratio %.*s = %.3f (goal %.*s %.2f)%s%.*s\n", static_cast<int>(name.size()),
                name.data(), value, static_cast<int>(relation.size()), relation.data(), goal,
                note.empty() ? "" : "  ", static_cast<int>(note.size()), note.data());
    std::fflush(stdout);
}

void PrintSample(std::string_view what, const Sample& sample) {
    std::printf("%-44.*s wall %9.2f ms  cpu %9.2f ms  faults %7.0f minor %4.0f major",
                static_cast<int>(what.size()), what.data(), sample.wallMs, sample.cpuMs,
                sample.minorFaults, sample.majorFaults);
    if (sample.peakMiB > 0) {
        std::printf("  peak %8.1f MiB", sample.peakMiB);
    }
    std::printf("\n");
    std::fflush(stdout);
}

std::string ThisProgram() {
    return std::filesystem::read_symlink("/proc/self/exe").string();
}

} // namespace k7r::bench
