#pragma once

#include "cli/command.h"
#include "cli/dispatch.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace k7r::cli {

// The panel list the kit ships.
inline const std::string kShippedPanels = K7R_SOURCE_DIR "/panels/PANELS.DEF";

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
    return {status, testing::internal::GetCapturedStdout(), testing::internal::GetCapturedStderr()};
}

// The viewer's image, copied so that it can be changed.
inline std::string ViewerImageCopy(const std::string& directory) {
    const std::string path = directory + "/carrier.elf";
    std::filesystem::copy_file(test::TestImagePath("carrier.elf"), path);
    return path;
}

inline bool HasLine(const std::string& text, const std::string& line) {
    return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

} // namespace k7r::cli
