// preview FILE -o PICTURE.png [--image IMAGE]: what the panel would show for
// FILE's configuration, on an emulated board of the command's own: the
// Direct tab's test pattern, or IMAGE as the viewer shows it.
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/dispatch.h"
#include "config/default_records.h"
#include "edit/edit_session.h"
#include "emu/png_file.h"
#include "preview/preview_board.h"

#include <cstdio>
#include <string>

namespace k7r::cli {
namespace {

constexpr Option kOutput = {"--output", "-o", "PICTURE", "the PNG file the panel's picture goes to",
                            true};
constexpr Option kImage = {"--image", "", "IMAGE",
                           "show a BMP, GIF or JPEG file instead of the test pattern"};
constexpr Option kOptions[] = {kOutput, kImage};

// The picture is written whatever the panel shows: a fault shows in it too.
int RunPreview(const Invocation& invocation) {
    config::WorkingConfig config(TemplateRecord);
    if (!edit::OpenConfiguration(config, invocation.operands[0], PrintToStderr())) {
        return kExitFailure;
    }
    preview::PreviewBoard board;
    const preview::Preview shown = board.Show(config, invocation.Value(kImage.name).value_or(""));
    for (const std::string& line : shown.status) {
        std::printf("%s\n", line.c_str());
    }
    if (const std::string error = emu::WritePng(*invocation.Value(kOutput.name), shown.picture);
        !error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return kExitFailure;
    }
    for (const std::string& fault : shown.faults) {
        std::fprintf(stderr, "%s\n", fault.c_str());
    }
    return shown.faults.empty() ? kExitSuccess : kExitFailure;
}

} // namespace

constinit const Command kPreviewCommand = {
    .name = "preview",
    .operands = "FILE",
    .minOperands = 1,
    .maxOperands = 1,
    .options = kOptions,
    .summary = "draw what the panel would show for FILE's configuration into a PNG file",
    .details = "Brings an emulated board up from FILE's configuration as the Direct tab\n"
               "does, with no board or K7R58_EMULATOR needed, draws the Direct tab's test\n"
               "pattern (or IMAGE, as 58C22VIEW shows it) and writes the panel's picture\n"
               "as mounted. Prints the panel's size, depth, SwivelView, frame rate and\n"
               "pixel clock; when the panel shows nothing, or not the picture as\n"
               "configured, says why on standard error, exit status 1.\n",
    .example = "preview firmware.elf -o panel.png",
    .run = RunPreview,
};

} // namespace k7r::cli
