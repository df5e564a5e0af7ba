#include "preview/preview_board.h"

#include "edit/chip_session.h"
#include "edit/test_pattern.h"
#include "emu/emulated_driver.h"
#include "preview/panel_status.h"
#include "view/display.h"
#include "view/hal_bus.h"
#include "view/show_image.h"

#include <sstream>

namespace k7r::preview {
namespace {

// The configuration as the preview's board takes it: stored mode, bound to
// no chip, and at the physical addresses the emulated board decodes. Where
// the target's chip sits changes nothing the panel shows, and the board
// VRXBOARD names is none of the preview's business.
config::WorkingConfig BoardCopy(const config::WorkingConfig& working) {
    config::WorkingConfig copy = working;
    copy.Bound = copy.Live = copy.AutoRedraw = false;
    copy.RedrawCountdown = 0;
    copy.MemoryBase = copy.RegisterBase = 0;
    const emu::BoardOptions board;
    copy.Record.RegPhysAddr = board.registerPhysical;
    copy.Record.MemPhysAddr = board.memoryPhysical;
    return copy;
}

// Why the viewer did not show the whole picture: its first error line (a
// decoder may stop with one and still end well), or the last line of a
// refusal. Empty when it showed the picture.
std::string ViewerReason(const std::string& messages, bool refused) {
    std::istringstream lines(messages);
    std::string last;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("ERROR:")) {
            return line;
        }
        if (line.find_first_not_of(' ') != std::string::npos) {
            last = line;
        }
    }
    return refused ? last : std::string();
}

// The viewer's steps once the chip is up: stride and start address in line
// with the programmed mode, then the picture centred through its decoders.
// Empty, or why the picture is not shown.
std::string ShowPicture(const std::string& path) {
    view::HalBus bus;
    view::Display display(bus);
    display.SetBitsPerPixel(display.GetBitsPerPixel());
    std::ostringstream messages;
    const bool refused = view::ShowImage(display, path, messages).status != 0;
    const std::string reason = ViewerReason(messages.str(), refused);
    return reason.empty() ? reason : "The picture is not shown: " + reason;
}

} // namespace

// Each bring-up starts from a board just powered on, as a new run of the
// Direct tab's or the viewer's would: nothing of the last configuration
// (registers it set, clocks it programmed) stays behind.
PreviewBoard::PreviewBoard()
    : layer_([this] {
          board_.PowerOn();
          return emu::OpenDriverOn(board_);
      }) {}

Preview PreviewBoard::Show(const config::WorkingConfig& working, const std::string& picturePath) {
    config::WorkingConfig copy = BoardCopy(working);
    const hal::LayerInUse scope(layer_);
    Preview preview;
    std::string message;
    if (!edit::InitializeFromWorkingConfig(copy, {}, &message)) {
        preview.faults.push_back(message.substr(0, message.find('\n')));
        return preview;
    }
    std::vector<std::string> drawing;
    if (picturePath.empty()) {
        if (edit::DrawTestPattern(copy, true) == edit::PatternDrawn::StoppedAtBufferEnd) {
            drawing.push_back(BufferTooSmall(board_));
        }
    } else if (std::string refusal = ShowPicture(picturePath); !refusal.empty()) {
        drawing.push_back(std::move(refusal));
    }
    preview.picture = emu::RenderPanel(board_);
    DescribeDisplay(board_, copy, preview);
    // The viewer sets the stride itself.
    if (picturePath.empty()) {
        CheckStride(copy, preview);
    }
    preview.faults.insert(preview.faults.end(), drawing.begin(), drawing.end());
    return preview;
}

Preview LookAtBoard(const emu::EmulatedBoard& board, const config::WorkingConfig& working) {
    config::WorkingConfig stored = working;
    stored.Live = false;
    Preview preview;
    preview.picture = emu::RenderPanel(board);
    preview.status.push_back("Live: the Direct tab's emulated board");
    DescribeDisplay(board, stored, preview);
    CheckStride(stored, preview);
    return preview;
}

} // namespace k7r::preview
