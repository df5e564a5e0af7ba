// panel FILE NAME [--def PATH] [-o OUT]: applies a predefined panel to the
// configuration in FILE as the Panel page does, prints the report and the
// diagnostics, and saves into FILE or OUT.
#include "cli/command.h"
#include "cli/panel_list.h"
#include "config/default_records.h"
#include "edit/diagnostics.h"
#include "edit/edit_session.h"
#include "edit/panel_page.h"

#include <cctype>
#include <cstdio>
#include <vector>

namespace k7r::cli {
namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i]))) {
            return false;
        }
    }
    return true;
}

// The entry of that exact name, else the one entry whose name begins with it
// in any letter case. Says why when there is none or more than one.
std::optional<std::size_t> FindPanel(const PanelDefList& list, std::string_view name) {
    std::vector<std::size_t> candidates;
    for (std::size_t index = 0; index < list.Count(); ++index) {
        if (list.At(index).name == name) {
            return index;
        }
        if (StartsWithIgnoringCase(list.At(index).name, name)) {
            candidates.push_back(index);
        }
    }
    if (candidates.size() == 1) {
        return candidates.front();
    }
    if (candidates.empty()) {
        std::fprintf(stderr, "%.*s panel: no predefined panel is named \"%.*s\"\n",
                     static_cast<int>(kProgramName.size()), kProgramName.data(),
                     static_cast<int>(name.size()), name.data());
    } else {
        std::fprintf(stderr, "%.*s panel: \"%.*s\" names several predefined panels:\n",
                     static_cast<int>(kProgramName.size()), kProgramName.data(),
                     static_cast<int>(name.size()), name.data());
        for (std::size_t index : candidates) {
            std::fprintf(stderr, "  %s\n", list.At(index).name.c_str());
        }
    }
    return std::nullopt;
}

} // namespace

int RunPanel(Arguments arguments) {
    std::vector<std::string> words;
    std::optional<std::string> defPath;
    std::string outPath;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const bool hasValue = i + 1 < arguments.size();
        if (arguments[i] == kDefOption && hasValue) {
            defPath = std::string(arguments[++i]);
        } else if (arguments[i] == "-o" && hasValue) {
            outPath = std::string(arguments[++i]);
        } else if (arguments[i].starts_with("-")) {
            return kExitUsage;
        } else {
            words.emplace_back(arguments[i]);
        }
    }
    if (words.size() != 2) {
        return kExitUsage;
    }
    PanelDefList list;
    if (!LoadPanelList(defPath, list)) {
        return kExitFailure;
    }
    const std::optional<std::size_t> index = FindPanel(list, words[1]);
    if (!index) {
        return kExitFailure;
    }
    edit::EditSession session(TemplateRecord, list);
    if (!edit::OpenConfiguration(session, words[0], PrintToStderr())) {
        return kExitFailure;
    }
    const edit::EditResult applied = edit::ApplyPredefinedPanel(session, *index);
    if (!applied.accepted) {
        std::fputs(applied.message.c_str(), stderr);
        return kExitFailure;
    }
    std::printf("Predefined panel: %s\n", list.At(*index).name.c_str());
    // The pixel clock report ends in a full stop behind its own newline.
    if (!applied.message.empty()) {
        std::printf("%s\n", applied.message.c_str());
    }
    std::fputs(edit::Diagnose(session.config, list).text.c_str(), stdout);
    if (!SaveConfigFile(words[0], outPath, session.config.Record, false, PrintToStderr())) {
        return kExitFailure;
    }
    return kExitSuccess;
}

} // namespace k7r::cli
