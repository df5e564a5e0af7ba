#include "cli/manual_page.h"

#include "cli/command.h"
#include "cli/command_table.h"
#include "cli/help_text.h"

namespace k7r::cli {
namespace {

// Text as roff prints it: backslashes and minus signs escaped, and no line
// that roff would take for a request.
std::string Roff(std::string_view text) {
    std::string escaped;
    bool lineStart = true;
    for (const char c : text) {
        if (lineStart && (c == '.' || c == '\'')) {
            escaped += "\\&";
        }
        if (c == '\\') {
            escaped += "\\e";
        } else if (c == '-') {
            escaped += "\\-";
        } else {
            escaped += c;
        }
        lineStart = c == '\n';
    }
    return escaped;
}

std::string OptionTerm(const Option& option) {
    std::string term = "\\fB" + Roff(option.name) + "\\fR";
    if (!option.shortName.empty()) {
        term = "\\fB" + Roff(option.shortName) + "\\fR, " + term;
    }
    if (!option.value.empty()) {
        term += " \\fI" + Roff(option.value) + "\\fR";
    }
    return term;
}

std::string CommandSection(const Command& command) {
    const std::string usage = UsageLine(command);
    const std::string prefix = "usage: " + std::string(kProgramName) + ' ';
    std::string text = ".SS \"" +
                       Roff(usage.substr(prefix.size(), usage.size() - prefix.size() - 1)) +
                       "\"\n" + Roff(SummarySentence(command));
    if (!command.details.empty()) {
        text += ".PP\n" + Roff(command.details);
    }
    for (const Option& option : command.options) {
        text += ".TP\n" + OptionTerm(option) + '\n' + Roff(option.help) + '\n';
    }
    text += ".PP\nExample:\n.RS\n.nf\n" + Roff(kProgramName) + ' ' + Roff(command.example) +
            "\n.fi\n.RE\n";
    return text;
}

} // namespace

std::string ManualPage() {
    std::string name(kProgramName);
    std::string page = ".TH " + Roff(name) +
                       " 1 \"\" \"K7R58C22 software kit " K7R_KIT_VERSION "\" \"User Commands\"\n"
                       ".SH NAME\n" +
                       Roff(name) +
                       " \\- the K7R58C22 configuration record inside program images\n"
                       ".SH SYNOPSIS\n"
                       ".B " +
                       Roff(name) +
                       "\n.I COMMAND\n[\\fIOPERANDS\\fR] [\\fIOPTIONS\\fR]\n"
                       ".SH DESCRIPTION\n"
                       "Reads, changes, checks and exports the configuration record that\n"
                       "programs built on the chip access layer carry, as the configuration\n"
                       "utility does. Options may stand before, between or after the operands;\n"
                       "\\fB\\-\\-\\fR ends them. Every command takes \\fB\\-h\\fR, "
                       "\\fB\\-\\-help\\fR.\n"
                       ".SH COMMANDS\n";
    for (const Command* command : Commands()) {
        page += CommandSection(*command);
    }
    page += ".SH EXIT STATUS\n"
            "0 on success, 1 on failure (said on standard error), 2 for a usage error.\n";
    return page;
}

} // namespace k7r::cli
