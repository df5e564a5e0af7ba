#include "cfgui/pages/preferences_page.h"

#include "cfgui/page_context.h"
#include "cfgui/pages/page_edits.h"
#include "cfgui/resource.h"
#include "cfgui/view.h"
#include "edit/rules/preferences_rules.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"

#include <array>

namespace k7r::cfgui {
namespace {

// Button k stands for 2 to the power k bits per pixel.
constexpr std::array<int, 5> kDepthButtons = {IDC_BPP_1, IDC_BPP_2, IDC_BPP_4, IDC_BPP_8,
                                              IDC_BPP_16};
// Button k stands for 90 x k degrees.
constexpr std::array<int, 4> kSwivelButtons = {IDC_SWIVEL_0, IDC_SWIVEL_90, IDC_SWIVEL_180,
                                               IDC_SWIVEL_270};
constexpr std::uint32_t kSwivelStep = 90;

struct DoublingBox {
    int control;
    std::uint32_t setting;
};
constexpr std::array<DoublingBox, 2> kDoublingBoxes = {{
    {IDC_DOUBLE_HORIZONTAL, regs::kIdHorzDoubling},
    {IDC_DOUBLE_VERTICAL, regs::kIdVertDoubling},
}};

constexpr std::array<HelpRow, 5> kRows = {{
    {regs::kIdBitsPerPixel, IDC_BPP_1, IDC_BPP_16, {}},
    {regs::kIdSwivelViewRaw, IDC_SWIVEL_0, IDC_SWIVEL_270, {}},
    {regs::kIdHorzDoubling, IDC_DOUBLE_HORIZONTAL, 0, {}},
    {regs::kIdVertDoubling, IDC_DOUBLE_VERTICAL, 0, {}},
    {regs::kIdDescription, IDC_DESCRIPTION, 0, {}},
}};

template <std::size_t N>
int IndexOf(const std::array<int, N>& buttons, int control) {
    for (std::size_t index = 0; index < N; ++index) {
        if (buttons[index] == control) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

class PreferencesPage : public Page {
  public:
    explicit PreferencesPage(PageContext& context) : context_(context) {}

    void Open() override {
        View& view = context_.Controls();
        edit::EditSession& session = context_.Session();
        edit::RememberMainStart(session);
        view.SetTextLimit(IDC_DESCRIPTION, static_cast<int>(edit::DescriptionLimit(session)));
        view.SetText(IDC_DESCRIPTION, edit::DescriptionFieldText(session));
        ShowChoices();
    }

    void OnControl(int control, ControlEvent event) override {
        if (control == IDC_DESCRIPTION) {
            if (event == ControlEvent::FocusLost) {
                ShowFieldEntry(
                    context_, control,
                    edit::LeaveDescription(context_.Session(), context_.Controls().Text(control)));
            }
            return;
        }
        if (event == ControlEvent::Clicked) {
            Click(control);
        }
    }

    std::optional<TextColour> TextColourOf(int control) override {
        return control == IDC_PREFERENCES_NOTE ? std::optional(kDarkBlue) : std::nullopt;
    }

  private:
    void ShowChoices() {
        View& view = context_.Controls();
        config::WorkingConfig& config = context_.Config();
        const std::uint32_t depth = regs::GetFieldValue(config, regs::kIdBitsPerPixel);
        for (std::size_t k = 0; k < kDepthButtons.size(); ++k) {
            view.SetChecked(kDepthButtons[k], depth == 1u << k);
        }
        const std::uint32_t degrees = regs::GetFieldValue(config, regs::kIdSwivelView);
        for (std::size_t k = 0; k < kSwivelButtons.size(); ++k) {
            view.SetChecked(kSwivelButtons[k], degrees == kSwivelStep * k);
        }
        for (const DoublingBox& box : kDoublingBoxes) {
            view.SetChecked(box.control, regs::GetFieldValue(config, box.setting) != 0);
        }
    }

    void Click(int control) {
        edit::EditSession& session = context_.Session();
        std::optional<edit::EditResult> result;
        const int depth = IndexOf(kDepthButtons, control);
        const int swivel = IndexOf(kSwivelButtons, control);
        if (depth >= 0) {
            result = edit::ChooseColorDepth(session, 1u << depth);
        } else if (swivel >= 0) {
            result =
                edit::ChooseSwivelView(session, kSwivelStep * static_cast<std::uint32_t>(swivel));
        }
        for (const DoublingBox& box : kDoublingBoxes) {
            if (control == box.control) {
                result = edit::SetPixelDoubling(session, box.setting,
                                                context_.Controls().Checked(control));
            }
        }
        if (result && !ShowChoice(context_, control, *result)) {
            ShowChoices();
        }
    }

    PageContext& context_;
};

} // namespace

const std::span<const HelpRow> kPreferencesHelp = kRows;

std::unique_ptr<Page> MakePreferencesPage(PageContext& context) {
    return std::make_unique<PreferencesPage>(context);
}

} // namespace k7r::cfgui
