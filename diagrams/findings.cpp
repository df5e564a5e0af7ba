#include "diagrams/findings.h"

#include <algorithm>
#include <string_view>

namespace k7r::diagrams {
namespace {

bool NamesAny(const regs::Finding& finding, std::span<const std::uint32_t> ids) {
    return std::any_of(ids.begin(), ids.end(), [&](std::uint32_t id) {
        return std::find(finding.settings.begin(), finding.settings.end(), id) !=
               finding.settings.end();
    });
}

// The text cut into lines of at most `columns` characters, at blanks where
// there are any.
std::vector<std::string> Wrap(std::string_view text, std::size_t columns) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        std::size_t cut = text.size();
        if (cut > columns) {
            const std::size_t blank = text.rfind(' ', columns);
            cut = blank == std::string_view::npos || blank == 0 ? columns : blank;
        }
        lines.emplace_back(text.substr(0, cut));
        text.remove_prefix(cut);
        while (!text.empty() && text.front() == ' ') {
            text.remove_prefix(1);
        }
    }
    return lines;
}

} // namespace

Findings::Findings(config::WorkingConfig& config, std::span<const std::uint32_t> shown) {
    for (std::vector<regs::Finding> found :
         {regs::ErrorFindings(config), regs::WarningFindings(config)}) {
        for (regs::Finding& finding : found) {
            if (NamesAny(finding, shown)) {
                findings_.push_back(std::move(finding));
            }
        }
    }
}

bool Findings::Flag(std::initializer_list<std::uint32_t> ids) const {
    return std::any_of(findings_.begin(), findings_.end(),
                       [&](const regs::Finding& finding) { return NamesAny(finding, ids); });
}

int Findings::AddTexts(Picture& picture, int margin, int top) const {
    const auto columns = static_cast<std::size_t>((picture.width - 2 * margin) / kCharAdvance);
    for (const regs::Finding& finding : findings_) {
        std::string_view text = finding.text;
        while (!text.empty() && text.back() == '\n') {
            text.remove_suffix(1);
        }
        for (std::string& line : Wrap(text, columns)) {
            picture.AddLabel({margin, top}, std::move(line), Ink::Flagged);
            top += kLabelHeight;
        }
    }
    return top;
}

} // namespace k7r::diagrams
