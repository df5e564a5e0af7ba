#pragma once

#include "cli/command.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace k7r::cli {

// What one in-process run of the command line printed and returned.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun RunCli(std::vector<std::string_view> words) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status = RunCommandLine(words);
    std::fflush(stdout);
    std::string out = testing::internal::GetCapturedStdout();
    std::string err = testing::internal::GetCapturedStderr();
    return {status, out, err};
}

inline bool HasLine(const std::string& text, const std::string& line) {
    return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

} // namespace k7r::cli
