// One setting change to the finished preview picture, as the utility's
// preview window makes it: the colour depth of the viewer's 320 x 240 panel
// set to 16 bpp through the editing core, as the Preferences page sets it,
// then the preview's own emulated board brought up from the configuration
// and the test pattern drawn and rendered. At 16 bpp the picture is the
// largest of this panel, 150 KB of display memory. The goal is the preview
// window's promise: a change shows within 100 ms, the median of the rounds.
#include "bench/measure.h"
#include "config/default_records.h"
#include "edit/edit_session.h"
#include "edit/setting_edit.h"
#include "panels/panel_def_list.h"
#include "preview/preview_board.h"
#include "regs/setting_ids.h"

#include <cstdio>
#include <functional>

int main() {
    using namespace k7r;
    const panels::PanelDefList panels;
    edit::EditSession session(ViewerRecord, panels);
    preview::PreviewBoard board;
    std::size_t whiteFrames = 0;
    const std::function<bench::Sample()> change = [&] {
        // Back to 8 bpp first, unmeasured, so that every round is a change.
        edit::SetSettingText(session, regs::kIdBitsPerPixel, "8");
        return bench::RunHere([&] {
            edit::SetSettingText(session, regs::kIdBitsPerPixel, "16");
            const preview::Preview shown = board.Show(session.config);
            whiteFrames += shown.picture.Pixel(0, 0) == 0xFFFFFF ? 1 : 0;
        });
    };
    constexpr int kRounds = 31;
    const bench::Sample median = bench::Alternate({&change, 1}, kRounds).front();
    if (whiteFrames != kRounds) {
        std::fprintf(stderr, "preview_bench: a picture came out without its frame\n");
        return 1;
    }
    bench::PrintSample("setting change to preview picture", median);
    bench::PrintRatio("preview_refresh_ms", median.wallMs, "<=", 100);
    return 0;
}
