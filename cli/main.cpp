#include "cli/command.h"
#include "cli/dispatch.h"

#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string_view> words(argv + 1, argv + argc);
    return k7r::cli::EndWithOutputChecked(k7r::cli::RunCommandLine(words));
}
