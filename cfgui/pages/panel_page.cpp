#include "cfgui/pages/panel_page.h"

#include "cfgui/application.h"
#include "cfgui/field_readers.h"
#include "cfgui/page_context.h"
#include "cfgui/pages/page_edits.h"
#include "cfgui/resource.h"
#include "cfgui/setting_lists.h"
#include "cfgui/view.h"
#include "edit/rules/panel_features.h"
#include "edit/rules/panel_rules.h"
#include "regs/field_names.h"
#include "regs/field_values.h"
#include "regs/pixel_clocks.h"
#include "regs/setting_ids.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace k7r::cfgui {
namespace {

using edit::FeatureEditor;

constexpr int kPredefinedDropWidth = 200;
constexpr int kPixelClockDropWidth = 120;
constexpr int kNumberFieldLength = 4;

constexpr View::Column kFeatureColumns[] = {{"Value", true}, {"Feature", false}};

// Spin buttons held down speed up after two seconds, by the feature's step.
struct StepAcceleration {
    std::uint32_t step;
    std::array<View::SpinAcceleration, 2> table;
};
constexpr StepAcceleration kAccelerations[] = {
    {1, {{{0, 1}, {2, 10}}}},
    {2, {{{0, 2}, {2, 20}}}},
    {8, {{{0, 8}, {2, 32}}}},
};

constexpr int kNumberEditor[] = {IDC_FEATURE_NUMBER, IDC_FEATURE_SPIN, IDC_FEATURE_SLIDER};
constexpr int kEditorControls[] = {IDC_FEATURE_NUMBER,  IDC_FEATURE_SPIN,
                                   IDC_FEATURE_SLIDER,  IDC_FEATURE_LIST_BOX,
                                   IDC_FEATURE_CAPTION, IDC_FEATURE_DROP_DOWN};

// The feature list and the editors describe their feature themselves (the
// page's tips); the caption is a static text, which takes the mouse only
// with a row of its own.
constexpr std::array<HelpRow, 3> kRows = {{
    {regs::kIdFrameRate, IDC_FRAME_RATE, 0, {}},
    {regs::kIdPixelClock, IDC_PIXEL_CLOCK, 0, {}},
    {0, IDC_FEATURE_CAPTION, 0, {}},
}};

std::string Decimal(std::uint32_t value) {
    return std::to_string(value);
}

class PanelPage : public Page {
  public:
    explicit PanelPage(PageContext& context) : context_(context) {}

    void Open() override;
    void OnControl(int control, ControlEvent event) override;
    void OnScroll(int control, ScrollEvent event, int position) override;
    void OnList(int control, ListEvent event, int line) override;
    std::optional<std::string> Tooltip(int control) override;

  private:
    edit::EditSession& Session() { return context_.Session(); }
    config::WorkingConfig& Config() { return context_.Config(); }
    View& Controls() { return context_.Controls(); }
    // The feature being edited; 0 for none.
    std::uint32_t& Feature() { return context_.App().panelFeature; }
    // The row of the feature being edited, when its editor is `editor`.
    const edit::Feature* Edited(FeatureEditor editor);

    void FillPanelTypes();
    void FillFeatures();
    std::array<std::string, 2> LineTexts(std::uint32_t id);
    void RewriteFeatureLines();
    void ShowEditor();
    void ShowNumberEditor(const edit::Feature& feature);
    void ShowDropDownText(const std::string& text);
    void ShowFrameRate();
    void FillPixelClocks();
    void FillPredefinedPanels();
    void SelectPredefinedPanel();

    void LeaveNumber();
    void MoveNumber(int control, int position);
    void ChooseListItem();
    void LeaveDropDown();
    void ChoosePanelType();
    void ChoosePixelClock();
    void ChoosePredefinedPanel();
    // What an accepted change touched is shown again, with its report.
    void Changed(int control, const edit::EditResult& result);

    PageContext& context_;
    // The feature of each line of the feature list.
    std::vector<std::uint32_t> lineFeatures_;
    // The line under the mouse; -1 for none.
    int hotLine_ = -1;
};

void PanelPage::Open() {
    View& view = Controls();
    view.SetColumns(IDC_FEATURE_LIST, kFeatureColumns);
    view.SetClickableLines(IDC_FEATURE_LIST);
    view.SetDroppedWidth(IDC_PREDEFINED_PANELS, kPredefinedDropWidth);
    view.SetDroppedWidth(IDC_PIXEL_CLOCK, kPixelClockDropWidth);
    view.SetTextLimit(IDC_FEATURE_NUMBER, kNumberFieldLength);
    const std::string note = edit::OpenPanelPage(Session());
    FillPixelClocks();
    FillPanelTypes();
    FillFeatures();
    ShowEditor();
    ShowFrameRate();
    if (!note.empty()) {
        context_.ReportStatus(IDC_PREDEFINED_PANELS, kReportRememberAlways, note);
    }
    FillPredefinedPanels();
    SelectPredefinedPanel();
}

const edit::Feature* PanelPage::Edited(FeatureEditor editor) {
    const edit::Feature* feature = edit::FindFeature(Feature());
    return feature != nullptr && feature->editor == editor ? feature : nullptr;
}

void PanelPage::FillPanelTypes() {
    View& view = Controls();
    view.ClearItems(IDC_PANEL_TYPE);
    const std::span<const std::uint32_t> choices = edit::PanelTypeChoices();
    for (const std::uint32_t type : choices) {
        view.AddItem(IDC_PANEL_TYPE,
                     regs::GetFieldListText(Config(), regs::kIdPanelType, type).value_or(""));
    }
    const auto current =
        std::ranges::find(choices, regs::GetFieldValue(Config(), regs::kIdPanelType));
    view.Select(IDC_PANEL_TYPE,
                current != choices.end() ? static_cast<int>(current - choices.begin()) : -1);
}

// The lines of the features the panel type uses; a feature it does not use
// is no longer edited.
void PanelPage::FillFeatures() {
    const std::uint32_t type = regs::GetFieldValue(Config(), regs::kIdPanelType);
    lineFeatures_.clear();
    for (const edit::Feature& feature : edit::Features()) {
        if (edit::ListedFor(feature, type)) {
            lineFeatures_.push_back(feature.id);
        }
    }
    const auto edited = std::ranges::find(lineFeatures_, Feature());
    if (edited == lineFeatures_.end()) {
        Feature() = 0;
    }
    View& view = Controls();
    view.ClearItems(IDC_FEATURE_LIST);
    RewriteFeatureLines();
    if (Feature() != 0) {
        view.Select(IDC_FEATURE_LIST, static_cast<int>(edited - lineFeatures_.begin()));
    }
}

std::array<std::string, 2> PanelPage::LineTexts(std::uint32_t id) {
    return {regs::FormatFieldValue(Config(), id),
            regs::FormatFieldName(id, regs::kShowName | regs::kShowAttributes)};
}

// Every line, since a change can reach other features than its own (the
// data width's texts follow the panel type).
void PanelPage::RewriteFeatureLines() {
    View& view = Controls();
    for (std::size_t line = 0; line < lineFeatures_.size(); ++line) {
        view.SetLine(IDC_FEATURE_LIST, static_cast<int>(line), LineTexts(lineFeatures_[line]));
    }
    view.FitColumns(IDC_FEATURE_LIST);
}

void PanelPage::ShowEditor() {
    View& view = Controls();
    const edit::Feature* feature = edit::FindFeature(Feature());
    const FeatureEditor editor = feature != nullptr ? feature->editor : FeatureEditor::Number;
    for (const int control : kNumberEditor) {
        view.Show(control, feature != nullptr && editor == FeatureEditor::Number);
    }
    view.Show(IDC_FEATURE_LIST_BOX, feature != nullptr && editor == FeatureEditor::List);
    view.Show(IDC_FEATURE_DROP_DOWN, feature != nullptr && editor == FeatureEditor::DropDown);
    if (feature == nullptr) {
        view.SetText(IDC_FEATURE_CAPTION, "");
        return;
    }
    const std::uint32_t id = feature->id;
    const bool fixed = edit::FeatureRefusal(Session(), id).has_value();
    for (const int control : kEditorControls) {
        view.Enable(control, !fixed);
    }
    view.SetText(
        IDC_FEATURE_CAPTION,
        regs::FormatFieldName(id, regs::kShowName | regs::kShowAttributes | regs::kShortForms));
    const std::uint32_t value = regs::GetFieldValue(Config(), id);
    switch (editor) {
    case FeatureEditor::Number:
        ShowNumberEditor(*feature);
        break;
    case FeatureEditor::List: {
        view.ClearItems(IDC_FEATURE_LIST_BOX);
        const std::vector<std::string> texts = SettingListTexts(Config(), id);
        for (const std::string& text : texts) {
            view.AddItem(IDC_FEATURE_LIST_BOX, text);
        }
        view.Select(IDC_FEATURE_LIST_BOX, value < texts.size() ? static_cast<int>(value) : -1);
        break;
    }
    case FeatureEditor::DropDown: {
        // The value is offered first when no suggestion holds it.
        view.ClearItems(IDC_FEATURE_DROP_DOWN);
        const std::vector<std::string> texts = SettingListTexts(Config(), id);
        if (std::ranges::find(texts, Decimal(value)) == texts.end()) {
            view.AddItem(IDC_FEATURE_DROP_DOWN, Decimal(value));
        }
        for (const std::string& text : texts) {
            view.AddItem(IDC_FEATURE_DROP_DOWN, text);
        }
        ShowDropDownText(Decimal(value));
        break;
    }
    }
}

void PanelPage::ShowNumberEditor(const edit::Feature& feature) {
    View& view = Controls();
    const auto min = static_cast<int>(regs::GetFieldMin(Config(), feature.id));
    const auto max = static_cast<int>(regs::GetFieldMax(Config(), feature.id));
    const auto value = static_cast<int>(regs::GetFieldValue(Config(), feature.id));
    view.SetText(IDC_FEATURE_NUMBER, Decimal(static_cast<std::uint32_t>(value)));
    for (const int control : {IDC_FEATURE_SPIN, IDC_FEATURE_SLIDER}) {
        view.SetRange(control, min, max);
        view.SetPosition(control, value);
    }
    view.AttachSlider(IDC_FEATURE_SLIDER, IDC_FEATURE_NUMBER, feature.step);
    for (const StepAcceleration& acceleration : kAccelerations) {
        if (acceleration.step == feature.step) {
            view.SetSpinAcceleration(IDC_FEATURE_SPIN, acceleration.table);
        }
    }
}

void PanelPage::ShowDropDownText(const std::string& text) {
    View& view = Controls();
    for (int item = 0; item < view.ItemCount(IDC_FEATURE_DROP_DOWN); ++item) {
        if (view.ItemText(IDC_FEATURE_DROP_DOWN, item) == text) {
            view.Select(IDC_FEATURE_DROP_DOWN, item);
            return;
        }
    }
    view.Select(IDC_FEATURE_DROP_DOWN, -1);
    view.SetText(IDC_FEATURE_DROP_DOWN, text);
}

void PanelPage::ShowFrameRate() {
    char text[32];
    std::snprintf(text, sizeof text, " %u Hz",
                  static_cast<unsigned>(regs::GetFieldValue(Config(), regs::kIdFrameRate)));
    Controls().SetText(IDC_FRAME_RATE, text);
}

void PanelPage::FillPixelClocks() {
    View& view = Controls();
    const regs::PixelClockList clocks = regs::ReachablePixelClocks(Config());
    view.ClearItems(IDC_PIXEL_CLOCK);
    for (const std::string& line : clocks.lines) {
        view.AddItem(IDC_PIXEL_CLOCK, line);
    }
    view.Select(IDC_PIXEL_CLOCK, static_cast<int>(clocks.selected));
}

void PanelPage::FillPredefinedPanels() {
    View& view = Controls();
    view.ClearItems(IDC_PREDEFINED_PANELS);
    for (const std::string& item : edit::PredefinedPanelItems(Session().panels)) {
        view.AddItem(IDC_PREDEFINED_PANELS, item);
    }
}

void PanelPage::SelectPredefinedPanel() {
    const std::size_t count = Session().panels.Count();
    if (count != 0) {
        Controls().Select(IDC_PREDEFINED_PANELS,
                          static_cast<int>(Session().predefinedPanel.value_or(count)));
    }
}

void PanelPage::OnControl(int control, ControlEvent event) {
    const bool left = event == ControlEvent::FocusLost;
    const bool chosen = event == ControlEvent::SelectionChanged || left;
    const bool confirmed = event == ControlEvent::SelectionConfirmed;
    if (control == IDC_FEATURE_NUMBER && left) {
        LeaveNumber();
    } else if (control == IDC_FEATURE_LIST_BOX && chosen) {
        ChooseListItem();
    } else if (control == IDC_FEATURE_DROP_DOWN && chosen) {
        LeaveDropDown();
    } else if (control == IDC_PANEL_TYPE && confirmed) {
        ChoosePanelType();
    } else if (control == IDC_PIXEL_CLOCK && confirmed) {
        ChoosePixelClock();
    } else if (control == IDC_PREDEFINED_PANELS && confirmed) {
        ChoosePredefinedPanel();
    }
}

// A spin click ends with an end-of-scroll after the position it reported.
void PanelPage::OnScroll(int control, ScrollEvent event, int position) {
    if ((control == IDC_FEATURE_SPIN || control == IDC_FEATURE_SLIDER) &&
        event == ScrollEvent::ThumbPosition) {
        MoveNumber(control, position);
    }
}

void PanelPage::OnList(int control, ListEvent event, int line) {
    if (control != IDC_FEATURE_LIST) {
        return;
    }
    if (event == ListEvent::HotLineChanged) {
        hotLine_ = line;
        return;
    }
    if (line < 0 || static_cast<std::size_t>(line) >= lineFeatures_.size()) {
        return;
    }
    Feature() = lineFeatures_[static_cast<std::size_t>(line)];
    Controls().Select(IDC_FEATURE_LIST, line);
    ShowEditor();
    // Its editor stays disabled: no entry could be taken.
    if (const std::optional<std::string> refusal = edit::FeatureRefusal(Session(), Feature())) {
        context_.ReportStatus(IDC_FEATURE_LIST, kReportRemember, *refusal);
    }
}

std::optional<std::string> PanelPage::Tooltip(int control) {
    if (control == IDC_FEATURE_LIST) {
        const bool onLine =
            hotLine_ >= 0 && static_cast<std::size_t>(hotLine_) < lineFeatures_.size();
        return onLine ? regs::FieldHelpForId(lineFeatures_[static_cast<std::size_t>(hotLine_)])
                      : std::string();
    }
    if (std::ranges::find(kEditorControls, control) != std::end(kEditorControls)) {
        return Feature() != 0 ? regs::FieldHelpForId(Feature()) : std::string();
    }
    return std::nullopt;
}

void PanelPage::LeaveNumber() {
    const edit::Feature* feature = Edited(FeatureEditor::Number);
    if (feature == nullptr) {
        return;
    }
    const edit::EditResult result =
        edit::LeaveFeatureNumber(Session(), feature->id, Controls().Text(IDC_FEATURE_NUMBER));
    if (!result.accepted()) {
        context_.ReportBadEntry(IDC_FEATURE_NUMBER, result);
        return;
    }
    View& view = Controls();
    view.SetText(IDC_FEATURE_NUMBER, result.shown);
    view.SetPosition(IDC_FEATURE_SPIN, static_cast<int>(result.value));
    view.SetPosition(IDC_FEATURE_SLIDER, static_cast<int>(result.value));
    context_.ClearBadEntry(IDC_FEATURE_NUMBER);
    Changed(IDC_FEATURE_NUMBER, result);
}

// The slider and the spin buttons move together, and the field with them.
void PanelPage::MoveNumber(int control, int position) {
    const edit::Feature* feature = Edited(FeatureEditor::Number);
    if (feature == nullptr) {
        return;
    }
    const edit::EditResult result = edit::MoveFeatureNumber(
        Session(), feature->id, static_cast<std::uint32_t>(std::max(position, 0)));
    View& view = Controls();
    view.SetText(IDC_FEATURE_NUMBER, Decimal(result.value));
    view.SetPosition(IDC_FEATURE_SPIN, static_cast<int>(result.value));
    view.SetPosition(IDC_FEATURE_SLIDER, static_cast<int>(result.value));
    Changed(control, result);
}

void PanelPage::ChooseListItem() {
    const edit::Feature* feature = Edited(FeatureEditor::List);
    if (feature == nullptr) {
        return;
    }
    View& view = Controls();
    const int selected = view.Selection(IDC_FEATURE_LIST_BOX);
    const edit::EditResult result = edit::ChooseFeatureItem(
        Session(), feature->id,
        selected >= 0 ? std::optional(static_cast<std::uint32_t>(selected)) : std::nullopt);
    if (!result.accepted()) {
        context_.ReportBadEntry(IDC_FEATURE_LIST_BOX, result);
        const bool listed =
            result.value < static_cast<std::uint32_t>(view.ItemCount(IDC_FEATURE_LIST_BOX));
        view.Select(IDC_FEATURE_LIST_BOX, listed ? static_cast<int>(result.value) : -1);
        return;
    }
    context_.ClearBadEntry(IDC_FEATURE_LIST_BOX);
    Changed(IDC_FEATURE_LIST_BOX, result);
}

// A refused entry is shown as an error and the field shows the value again,
// without holding the focus: the list offers the valid values.
void PanelPage::LeaveDropDown() {
    const edit::Feature* feature = Edited(FeatureEditor::DropDown);
    if (feature == nullptr) {
        return;
    }
    const edit::EditResult result = edit::LeaveFeatureDropDown(
        Session(), feature->id, MilliFieldText(Controls(), IDC_FEATURE_DROP_DOWN));
    ShowDropDownText(result.shown);
    if (!result.accepted()) {
        context_.ReportStatus(IDC_FEATURE_DROP_DOWN, kReportError, result.message);
        return;
    }
    context_.ClearBadEntry(IDC_FEATURE_DROP_DOWN);
    Changed(IDC_FEATURE_DROP_DOWN, result);
}

void PanelPage::ChoosePanelType() {
    const int position = Controls().Selection(IDC_PANEL_TYPE);
    const std::span<const std::uint32_t> choices = edit::PanelTypeChoices();
    if (position < 0 || static_cast<std::size_t>(position) >= choices.size()) {
        return;
    }
    const edit::EditResult result =
        edit::ChoosePanelType(Session(), choices[static_cast<std::size_t>(position)]);
    if (result.changed) {
        FillFeatures();
        ShowEditor();
    }
    Changed(IDC_PANEL_TYPE, result);
}

void PanelPage::ChoosePixelClock() {
    const int line = Controls().Selection(IDC_PIXEL_CLOCK);
    if (line >= 0) {
        Changed(IDC_PIXEL_CLOCK, edit::ChoosePixelClock(Session(), static_cast<std::size_t>(line)));
    }
}

// Applying a panel reports without remembering, so that the next change's
// report replaces the pixel clock's failure.
void PanelPage::ChoosePredefinedPanel() {
    const int item = Controls().Selection(IDC_PREDEFINED_PANELS);
    if (item < 0) {
        return;
    }
    constexpr unsigned kOnce = kReportRemember | kReportDontRemember;
    if (static_cast<std::size_t>(item) >= Session().panels.Count()) {
        context_.ReportStatus(IDC_PREDEFINED_PANELS, kOnce, "");
        return;
    }
    const edit::EditResult result =
        edit::ApplyPredefinedPanel(Session(), static_cast<std::size_t>(item));
    if (!result.accepted()) {
        context_.ReportStatus(IDC_PREDEFINED_PANELS, kReportError, result.message);
        return;
    }
    FillPanelTypes();
    FillFeatures();
    ShowEditor();
    ShowFrameRate();
    FillPixelClocks();
    SelectPredefinedPanel();
    context_.ReportStatus(IDC_PREDEFINED_PANELS, kOnce, result.message);
}

void PanelPage::Changed(int control, const edit::EditResult& result) {
    if (result.accepted() && (result.changed || !result.message.empty())) {
        RewriteFeatureLines();
        ShowFrameRate();
        SelectPredefinedPanel();
    }
    ShowChoice(context_, control, result);
}

} // namespace

const std::span<const HelpRow> kPanelHelpRows = kRows;

std::unique_ptr<Page> MakePanelPage(PageContext& context) {
    return std::make_unique<PanelPage>(context);
}

} // namespace k7r::cfgui
