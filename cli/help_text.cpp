#include "cli/help_text.h"

#include "cli/command_table.h"
#include "export/export_kinds.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>

namespace k7r::cli {
namespace {

// Wide enough for "-o, --output PATH" and "--preserve-addresses".
constexpr std::size_t kOptionColumn = 26;
constexpr std::size_t kCommandColumn = 11;

std::string OptionInUsage(const Option& option) {
    std::string text(option.shortName.empty() ? option.name : option.shortName);
    if (!option.value.empty()) {
        text += ' ';
        text += option.value;
    }
    return option.required ? text : '[' + text + ']';
}

std::string OptionTerm(const Option& option) {
    std::string term = option.shortName.empty() ? "    " : std::string(option.shortName) + ", ";
    term += option.name;
    if (!option.value.empty()) {
        term += ' ';
        term += option.value;
    }
    return term;
}

std::string Padded(std::string text, std::size_t width) {
    text.resize(std::max(width, text.size() + 1), ' ');
    return text;
}

} // namespace

std::string UsageLine(const Command& command) {
    std::string line = "usage: ";
    line += kProgramName;
    line += ' ';
    line += command.name;
    if (!command.operands.empty()) {
        line += ' ';
        line += command.operands;
    }
    for (const Option& option : command.options) {
        line += ' ' + OptionInUsage(option);
    }
    return line + '\n';
}

std::string SummarySentence(const Command& command) {
    std::string text(command.summary);
    if (!text.empty()) {
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    }
    return text + ".\n";
}

std::string CommandHelp(const Command& command) {
    std::string text = UsageLine(command) + '\n' + SummarySentence(command);
    if (!command.details.empty()) {
        text += '\n';
        text += command.details;
    }
    text += "\noptions:\n";
    for (const Option& option : command.options) {
        text += "  " + Padded(OptionTerm(option), kOptionColumn) + std::string(option.help) + '\n';
    }
    text += "  " + Padded(OptionTerm(kHelpOption), kOptionColumn) + std::string(kHelpOption.help) +
            '\n';
    text += "\nexample:\n  ";
    text += kProgramName;
    text += ' ';
    text += command.example;
    return text + '\n';
}

std::string ProgramHelp() {
    std::string text = "usage: ";
    text += kProgramName;
    text += " COMMAND [OPERANDS] [OPTIONS]\n\ncommands:\n";
    for (const Command* command : Commands()) {
        text += "  " + Padded(std::string(command->name), kCommandColumn) +
                std::string(command->summary) + '\n';
    }
    text += "\n\"";
    text += kProgramName;
    text += " help COMMAND\" or \"";
    text += kProgramName;
    text += " COMMAND --help\" shows a command's operands, options and an example;\n\"";
    text += kProgramName;
    text += " --version\" shows the versions.\n";
    return text;
}

std::string VersionText() {
    // Built up piece by piece: GCC 12 at -O2 misreads the overlap of a
    // literal added to a string (-Wrestrict).
    std::string text(kProgramName);
    text += " " K7R_KIT_VERSION " (K7R58C22 software kit, build ";
    text += std::to_string(exporter::kUtilityBuild);
    text += ")\nnlohmann-json ";
    for (const int part : {NLOHMANN_JSON_VERSION_MAJOR, NLOHMANN_JSON_VERSION_MINOR}) {
        text += std::to_string(part);
        text += '.';
    }
    text += std::to_string(NLOHMANN_JSON_VERSION_PATCH);
    text += '\n';
#ifdef _GLIBCXX_RELEASE
    text += "libstdc++ ";
    text += std::to_string(_GLIBCXX_RELEASE);
    text += '\n';
#endif
    return text;
}

} // namespace k7r::cli
