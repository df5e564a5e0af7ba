#pragma once

// Side-by-side measurement for the benchmarks that state a goal as a ratio.
// The contenders of one comparison run in turn, round after round, so that
// a load that comes and goes on the machine falls on all of them alike; each
// one's figure is the median of its rounds.

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace k7r::bench {

struct Sample {
    double wallMs = 0;
    // User and system time of the work: of this process for work done here,
    // of the child alone for a program run.
    double cpuMs = 0;
    // The child's peak resident memory; 0 for work done here.
    double peakMiB = 0;
    // Page faults of the work, as for cpuMs: minor ones, served from memory
    // (a fresh page, or one of the file cache mapped in), and major ones,
    // which waited for a disk.
    double minorFaults = 0;
    double majorFaults = 0;
};

// Runs a program to its end with standard output and error discarded,
// environment additions ("NAME=value") on top of ours. A program that
// fails or cannot be started ends the benchmark: its figures would mean
// nothing.
Sample RunProgram(const std::vector<std::string>& arguments,
                  const std::vector<std::string>& environment = {});

// Runs work once in this process.
Sample RunHere(const std::function<void()>& work);

// Each contender's medians over rounds, the contenders taking turns.
std::vector<Sample> Alternate(std::span<const std::function<Sample()>> contenders, int rounds);

// The line a goal is read from: "ratio <name> = <value> (goal <= <goal>)",
// relation being "<=" or ">=", and a note after it if there is one.
void PrintRatio(std::string_view name, double value, std::string_view relation, double goal,
                std::string_view note = {});

void PrintSample(std::string_view what, const Sample& sample);

// The program's own path, to run a piece of the benchmark as a process of
// its own.
std::string ThisProgram();

} // namespace k7r::bench
