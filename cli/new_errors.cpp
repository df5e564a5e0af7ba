#include "cli/new_errors.h"

#include "edit/diagnostics.h"
#include "regs/validation.h"

#include <algorithm>
#include <cstdio>

namespace k7r::cli {

std::vector<std::string> ValidationErrorLines(config::WorkingConfig& config) {
    const std::string text = regs::ValidateErrors(config, edit::kDiagnosticsRoom);
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> NewErrors(std::vector<std::string> before,
                                   const std::vector<std::string>& after) {
    std::vector<std::string> added;
    for (const std::string& line : after) {
        const auto known = std::ranges::find(before, line);
        if (known != before.end()) {
            before.erase(known);
        } else {
            added.push_back(line);
        }
    }
    return added;
}

void PrintNothingSaved(std::string_view command, std::size_t newErrors) {
    const std::string count =
        newErrors == 1 ? "a new error" : std::to_string(newErrors) + " new errors";
    std::fprintf(stderr, "%.*s %.*s: nothing saved: the changes bring %s (--force saves them)\n",
                 static_cast<int>(kProgramName.size()), kProgramName.data(),
                 static_cast<int>(command.size()), command.data(), count.c_str());
}

} // namespace k7r::cli
