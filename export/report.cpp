#include "export/report.h"

#include "config/working_config.h"
#include "diagrams/clock_tree_diagram.h"
#include "diagrams/svg.h"
#include "diagrams/timing_diagram.h"
#include "edit/diagnostics.h"
#include "edit/register_line.h"
#include "edit/rules/panel_rules.h"
#include "export/export_kinds.h"
#include "export/report_pages.h"
#include "panels/panel_settings.h"
#include "regs/field_names.h"
#include "regs/field_values.h"
#include "regs/mode_string.h"
#include "regs/setting_ids.h"

#include <algorithm>
#include <optional>

namespace k7r::exporter {
namespace {

// The page up to its body; the file's name takes the place of kTitleMark.
constexpr std::string_view kTitleMark = "%TITLE%";
constexpr std::string_view kHead = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>K7R58C22 configuration report: %TITLE%</title>
<style>
body { font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 13px; margin: 16px; }
h1 { font-size: 20px; }
h2 { font-size: 16px; margin-top: 28px; border-bottom: 1px solid #c0c0c0; }
h3 { font-size: 14px; margin-bottom: 4px; }
table { border-collapse: collapse; }
th, td { border: 1px solid #c0c0c0; padding: 2px 8px; text-align: left; vertical-align: top; }
th { background: #eeeeee; }
td.id, td.decimal { text-align: right; }
table.registers td { font-family: monospace; }
.diagnostics div { font-family: monospace; white-space: pre-wrap; }
.error { color: #c80000; }
.warning { color: #a05000; }
</style>
</head>
<body>
)";

// Markup characters as entities; bytes outside printable ASCII (a
// description typed in another code page) as U+FFFD; line ends as breaks.
std::string Html(std::string_view text) {
    std::string html;
    for (const char c : text) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '"':
            html += "&quot;";
            break;
        case '\n':
            html += "<br>";
            break;
        default:
            html += c >= ' ' && c <= '~' ? std::string(1, c) : "&#xFFFD;";
        }
    }
    return html;
}

void AddRow(std::string& page, std::string_view heading, std::string_view value) {
    page += "<tr><th>" + Html(heading) + "</th><td>" + Html(value) + "</td></tr>\n";
}

void AddAbout(std::string& page, config::WorkingConfig& config, const panels::PanelDefList& panels,
              std::string_view fileName) {
    const std::optional<std::size_t> match =
        panels::MatchPredefinedPanel(config, panels, std::nullopt);
    page += "<table class=\"about\">\n";
    AddRow(page, "File", fileName);
    AddRow(page, "Description", regs::FormatFieldValue(config, regs::kIdDescription));
    AddRow(page, "Mode", regs::FormatModeString(config));
    AddRow(page, "Predefined panel",
           match ? std::string_view(panels.At(*match).name) : edit::kCustomPanel);
    AddRow(page, "Written by", "58c22cfg (Build " + std::to_string(kUtilityBuild) + ")");
    page += "</table>\n";
}

// One line a message, coloured by its kind.
void AddDiagnostics(std::string& page, config::WorkingConfig& config,
                    const panels::PanelDefList& panels) {
    page += "<h2>Diagnostics</h2>\n";
    const std::string text = edit::Diagnose(config, panels).text;
    if (text.empty()) {
        page += "<p>None.</p>\n";
        return;
    }
    page += "<div class=\"diagnostics\">\n";
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::string_view line = rest.substr(0, rest.find('\n'));
        rest.remove_prefix(std::min(rest.size(), line.size() + 1));
        const char* kind = line.starts_with("ERROR: ")     ? "error"
                           : line.starts_with("Warning: ") ? "warning"
                                                           : "note";
        page += std::string("<div class=\"") + kind + "\">" + Html(line) + "</div>\n";
    }
    page += "</div>\n";
}

void AddPictures(std::string& page, config::WorkingConfig& config) {
    page += "<h2>Pictures</h2>\n";
    page += diagrams::RenderSvg(diagrams::TimingDiagram(config), diagrams::SvgUse::Inline);
    page += "<br>\n";
    page += diagrams::RenderSvg(diagrams::ClockTreeDiagram(config), diagrams::SvgUse::Inline);
}

// Each setting as get prints it: id, short name, value.
void AddSettings(std::string& page, config::WorkingConfig& config) {
    page += "<h2>Settings</h2>\n";
    for (const ReportPage& shown : ReportPages(config)) {
        page += "<h3>" + Html(shown.title) + "</h3>\n<table class=\"settings\">\n";
        page += "<tr><th>Id</th><th>Setting</th><th>Value</th></tr>\n";
        for (const std::uint32_t id : shown.settings) {
            page += "<tr><td class=\"id\">" + std::to_string(id) + "</td><td>" +
                    Html(regs::FormatFieldName(id, regs::kShortForms | regs::kShowName)) +
                    "</td><td>" + Html(regs::FormatFieldValue(config, id)) + "</td></tr>\n";
        }
        page += "</table>\n";
    }
}

void AddRegisters(std::string& page, config::WorkingConfig& config) {
    page += "<h3>Registers</h3>\n<table class=\"registers\">\n<tr>";
    for (const std::string_view column : edit::kRegisterColumns) {
        page += "<th>" + Html(column) + "</th>";
    }
    page += "</tr>\n";
    for (const edit::RegisterLine& line : edit::RegisterLines(config)) {
        page += "<tr>";
        for (std::size_t column = 0; column < line.size(); ++column) {
            page += column == edit::kDecimalColumn ? "<td class=\"decimal\">" : "<td>";
            page += Html(line[column]) + "</td>";
        }
        page += "</tr>\n";
    }
    page += "</table>\n";
}

} // namespace

std::string ConfigurationReport(config::WorkingConfig& config, const panels::PanelDefList& panels,
                                std::string_view fileName) {
    std::string page(kHead);
    page.replace(page.find(kTitleMark), kTitleMark.size(), Html(fileName));
    page += "<h1>K7R58C22 configuration report</h1>\n";
    AddAbout(page, config, panels, fileName);
    AddDiagnostics(page, config, panels);
    AddPictures(page, config);
    AddSettings(page, config);
    AddRegisters(page, config);
    page += "</body>\n</html>\n";
    return page;
}

} // namespace k7r::exporter
