#include "cli/command.h"

#include <cstdio>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string_view> words(argv + 1, argv + argc);
    const int status = k7r::cli::RunCommandLine(words);
    std::fflush(stdout);
    return status;
}
