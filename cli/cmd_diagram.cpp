// diagram FILE timing|clocks [-o PATH]: one of the configuration's pictures
// as SVG, under its name in the current directory, under PATH, or on
// standard output ("-").
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/dispatch.h"
#include "config/default_records.h"
#include "containers/config_file.h"
#include "diagrams/clock_tree_diagram.h"
#include "diagrams/svg.h"
#include "diagrams/timing_diagram.h"
#include "export/output_file.h"
#include "platform/standard_output.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace k7r::cli {
namespace {

struct DiagramKind {
    std::string_view name;
    std::string_view defaultName;
    diagrams::Picture (*draw)(config::WorkingConfig& config);
};

constexpr DiagramKind kKinds[] = {
    {"timing", "k7r58c22-timing.svg", diagrams::TimingDiagram},
    {"clocks", "k7r58c22-clocks.svg", diagrams::ClockTreeDiagram},
};

constexpr Option kOutput = {"--output", "-o", "PATH",
                            "write PATH instead of the kind's file; \"-\" for standard output"};

int RunDiagram(const Invocation& invocation) {
    const std::string& kindName = invocation.operands[1];
    const DiagramKind* kind = nullptr;
    for (const DiagramKind& candidate : kKinds) {
        if (candidate.name == kindName) {
            kind = &candidate;
        }
    }
    if (kind == nullptr) {
        return UsageError(invocation, "unknown kind \"" + kindName + "\" (timing or clocks)");
    }
    config::WorkingConfig config(TemplateRecord);
    if (!containers::OpenConfigFile(invocation.operands[0], config, PrintToStderr())) {
        return kExitFailure;
    }
    const std::string svg = diagrams::RenderSvg(kind->draw(config), diagrams::SvgUse::File);
    const std::string path =
        invocation.Value(kOutput.name).value_or(std::string(kind->defaultName));
    if (path == "-") {
        platform::UseBinaryStandardOutput();
        return std::fwrite(svg.data(), 1, svg.size(), stdout) == svg.size() ? kExitSuccess
                                                                            : kExitFailure;
    }
    std::string message;
    if (!exporter::WriteOutputFile(path, svg, message)) {
        std::fprintf(stderr, "%s\n", message.c_str());
        return kExitFailure;
    }
    std::printf("Drew the %s diagram to \"%s\".\n", kind->name.data(), path.c_str());
    return kExitSuccess;
}

constexpr Option kOptions[] = {kOutput};

} // namespace

constinit const Command kDiagramCommand = {
    .name = "diagram",
    .operands = "FILE KIND",
    .minOperands = 2,
    .maxOperands = 2,
    .options = kOptions,
    .summary = "draw FILE's panel timing or clock tree as SVG",
    .details = "Draws one picture of the configuration as SVG: timing (the line and\n"
               "frame periods with FPLINE, FPFRAME and DRDY, k7r58c22-timing.svg) or\n"
               "clocks (the clock tree and frame rate, k7r58c22-clocks.svg), under its\n"
               "name in the current directory or under PATH. Settings the diagnostics\n"
               "name are drawn in red, with the messages below the picture.\n",
    .example = "diagram firmware.elf timing -o timing.svg",
    .run = RunDiagram,
};

} // namespace k7r::cli
