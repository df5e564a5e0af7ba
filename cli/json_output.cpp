#include "cli/json_output.h"

#include "regs/field_names.h"
#include "regs/field_values.h"

#include <cstdio>
#include <string>

namespace k7r::cli {
namespace {

struct Severity {
    std::string_view prefix;
    std::string_view name;
};
constexpr Severity kSeverities[] = {
    {"ERROR: ", "error"}, {"Warning: ", "warning"}, {"NOTE: ", "note"}};

} // namespace

void PrintJson(const Json& document) {
    const std::string text = document.dump(2, ' ', false, Json::error_handler_t::replace);
    std::fputs(text.c_str(), stdout);
    std::fputc('\n', stdout);
}

Json MessagesJson(std::string_view text) {
    Json messages = Json::array();
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        std::string_view severity;
        for (const Severity& known : kSeverities) {
            if (line.starts_with(known.prefix)) {
                severity = known.name;
                line.remove_prefix(known.prefix.size());
            }
        }
        if (severity.empty() && !messages.empty()) {
            std::string joined = messages.back()["text"];
            messages.back()["text"] = joined + '\n' + std::string(line);
            continue;
        }
        messages.push_back(
            {{"severity", severity.empty() ? "info" : severity}, {"text", std::string(line)}});
    }
    return messages;
}

Json SettingJson(config::WorkingConfig& config, std::uint32_t id) {
    return {{"id", id},
            {"name", regs::FormatFieldName(id, regs::kShortForms | regs::kShowName)},
            {"value", regs::GetFieldValue(config, id)},
            {"text", regs::FormatFieldValue(config, id)}};
}

} // namespace k7r::cli
