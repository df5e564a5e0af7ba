// 58C22VIEW: brings the chip up from the record it carries and shows one
// JPEG, BMP or GIF image on the panel, centred, with keys to pan over it.
#include "config/default_records.h"
#include "emu/driver_choice.h"
#include "hal/access.h"
#include "hal/error_text.h"
#include "hal/init_sequence.h"
#include "hal/program_info.h"
#include "platform/command_line.h"
#include "platform/console_keys.h"
#include "platform/standard_output.h"
#include "view/hal_bus.h"
#include "view/messages.h"
#include "view/options.h"
#include "view/panning.h"
#include "view/print.h"
#include "view/show_image.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <thread>
#include <vector>

namespace k7r::view {
namespace {

void PrintAddress(const char* label, HAL_U32 address) {
    std::cout << label;
    if (address == 0) {
        std::cout << viewer_text::kConfiguredBySystem;
    } else {
        Print(std::cout, viewer_text::kAddress, static_cast<unsigned long>(address));
    }
}

std::string ErrorText() {
    char text[256] = {};
    hal::GetErrorText(text, sizeof text - 1);
    return text;
}

int Run(std::span<const std::string_view> arguments) {
    emu::OfferEmulatedBoard();
    hal::UseRecord(ViewerRecord);
    char information[256];
    hal::ProgramInformation("VIEW", "A program to view JPEG, BMP, GIF files", "$Revision: 1 $",
                            information, sizeof information);
    Print(std::cout, viewer_text::kBanner, information);
    PrintAddress(viewer_text::kRegisterAddress, ViewerRecord.RegPhysAddr);
    PrintAddress(viewer_text::kMemoryAddress, ViewerRecord.MemPhysAddr);

    ParsedArguments parsed = ParseArguments(arguments);
    if (!parsed.options) {
        viewer_text::PrintUsage(std::cout);
        return parsed.usageStatus;
    }
    const ViewerOptions& options = *parsed.options;
    if (!hal::AcquireChip()) {
        int code = static_cast<int>(hal::LastError());
        Print(std::cout, viewer_text::kAcquireFailed, ErrorText().c_str(), code);
        return code;
    }
    if (!hal::InitializeChip(options.initializeRegisters ? 0 : hal::INIT_SKIP_REGS)) {
        int code = static_cast<int>(hal::LastError());
        Print(std::cout, viewer_text::kInitializeFailed, ErrorText().c_str(), code);
        return code;
    }
    HalBus bus;
    Display display(bus);
    display.SetBitsPerPixel(display.GetBitsPerPixel());

    ShownImage shown = ShowImage(display, options.imagePath, std::cout);
    if (shown.status != 0) {
        return shown.status;
    }
    if (options.automatic) {
        // The chip keeps showing the image after we end; waiting lets a
        // script show a series of images for the given time each.
        std::cout.flush();
        std::this_thread::sleep_for(std::chrono::seconds(options.automaticSeconds));
        return 0;
    }
    platform::ConsoleKeys keys;
    PanImage(display, shown.area, std::cout, [&keys] { return keys.Read(); });
    return 0;
}

} // namespace
} // namespace k7r::view

int main(int argc, char** argv) {
    const k7r::platform::ConsoleText console;
    const std::vector<std::string> words = k7r::platform::ProgramArguments(argc, argv);
    const std::vector<std::string_view> arguments(words.begin(), words.end());
    int status = k7r::view::Run(arguments);
    // The emulator draws its panel picture as the layer lets the board go:
    // a picture that cannot be written fails the run, with its reason.
    k7r::hal::ReleaseChip();
    if (status == 0 && !k7r::emu::EmulatedPanelPicturesWritten()) {
        status = 1;
    }
    // Output that never arrived is a failure, whatever the run made of it;
    // errno tells why when the last write is the one that failed.
    errno = 0;
    std::cout.flush();
    if (!std::cout || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int reason = errno;
        std::fprintf(stderr, k7r::view::viewer_text::kOutputFailed, reason ? ": " : "",
                     reason ? std::strerror(reason) : "");
        return 1;
    }
    return status;
}
