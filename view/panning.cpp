#include "view/panning.h"

#include "view/messages.h"

namespace k7r::view {

namespace {

constexpr int kEsc = 27;
constexpr std::uint32_t kStep = 8;

} // namespace

// The limit test is "less than", so the last step right or down may pass the
// last position by up to 7.
void PanImage(Display& display, const PanArea& area, std::ostream& out, const KeyReader& readKey) {
    viewer_text::PrintLines(out, viewer_text::kPanKeys);
    out.flush();
    std::uint32_t maxX =
        area.virtualWidth > area.panelWidth ? area.virtualWidth - area.panelWidth : 0;
    std::uint32_t maxY =
        area.virtualHeight > area.panelHeight ? area.virtualHeight - area.panelHeight : 0;
    std::uint32_t x = 0;
    std::uint32_t y = 0;
    for (std::optional<int> key = readKey(); key && *key != kEsc; key = readKey()) {
        bool moved = true;
        if (*key == '6' && x < maxX) {
            x += kStep;
        } else if (*key == '4' && x > 0) {
            x -= kStep;
        } else if (*key == '2' && y < maxY) {
            y += kStep;
        } else if (*key == '8' && y > 0) {
            y -= kStep;
        } else {
            moved = false;
        }
        if (moved) {
            display.PanDisplay(1, x, y);
        }
    }
}

} // namespace k7r::view
