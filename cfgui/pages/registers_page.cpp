#include "cfgui/pages/registers_page.h"

#include "cfgui/application.h"
#include "cfgui/dialogs/modify_register_dialog.h"
#include "cfgui/page_context.h"
#include "cfgui/resource.h"
#include "cfgui/view.h"
#include "edit/register_line.h"
#include "edit/register_marks.h"
#include "regs/register_access.h"
#include "regs/register_breakdown.h"

#include <array>
#include <cstdio>

namespace k7r::cfgui {
namespace {

constexpr TextColour kCyan = {0, 255, 255};

constexpr const char* kLiveWarning =
    "Warning: Modified register values will be written to the physical chip IMMEDIATELY!";

constexpr const char* kSeparator = "\n__________________________________________________";

// Ticks of the live timer before the lines are compared with the chip.
constexpr std::uint32_t kRefreshAfterOpening = 10;
constexpr std::uint32_t kRefreshAfterRefresh = 5;

// After the REG column's text, by manual state.
constexpr std::array<const char*, 3> kMarkers = {"   ", " *", " !"};

class RegistersPage final : public Page {
  public:
    explicit RegistersPage(PageContext& context) : context_(context) {}

    void Open() override;
    void OnList(int control, ListEvent event, int line) override;
    void OnTimer() override;
    std::optional<std::string> Tooltip(int control) override;
    std::optional<TextColour> TextColourOf(int control) override;

  private:
    edit::EditSession& Session() { return context_.Session(); }
    View& Controls() { return context_.Controls(); }
    int LineCount();
    void WriteLine(int position, std::uint32_t value);
    void Report();
    void EditLine(int line);
    bool RepeatedFurtherDown(int position);

    PageContext& context_;
    // 0: paused.
    std::uint32_t countdown_ = 0;
    // The line under the mouse; -1 for none.
    int hotLine_ = -1;
};

int RegistersPage::LineCount() {
    int count = 0;
    while (regs::EnumRegister(Session().config, count).more) {
        ++count;
    }
    return count;
}

void RegistersPage::WriteLine(int position, std::uint32_t value) {
    const std::uint32_t reg = regs::EnumRegister(Session().config, position).reg;
    edit::RegisterLine texts = edit::FormatRegisterLine(reg, value);
    if (edit::RegisterMark* mark = edit::MarkAt(Session(), position)) {
        texts[0] += kMarkers[static_cast<std::size_t>(mark->state)];
        mark->shown = value;
    }
    Controls().SetLine(IDC_REGISTER_LIST, position, texts);
}

void RegistersPage::Report() {
    context_.ReportStatus(IDC_REGISTER_LIST, kReportRemember | kReportDontRemember,
                          edit::OverwriteReport(Session()));
}

void RegistersPage::Open() {
    View& view = Controls();
    view.SetClickableLines(IDC_REGISTER_LIST);
    view.SetListBackground(IDC_REGISTER_LIST, kCyan);
    std::array<View::Column, edit::kRegisterColumnCount> columns;
    for (std::size_t column = 0; column < columns.size(); ++column) {
        columns[column] = {edit::kRegisterColumns[column], column == edit::kDecimalColumn};
    }
    view.SetColumns(IDC_REGISTER_LIST, columns);

    edit::CheckManualStates(Session());
    view.ClearItems(IDC_REGISTER_LIST);
    for (int position = 0, count = LineCount(); position < count; ++position) {
        WriteLine(position, edit::TakeLineValue(Session(), position));
    }
    view.FitColumns(IDC_REGISTER_LIST);
    Report();
    view.SetText(IDC_REGISTERS_WARNING, Session().config.Live ? kLiveWarning : "");
    countdown_ = kRefreshAfterOpening;
}

void RegistersPage::OnList(int control, ListEvent event, int line) {
    if (control != IDC_REGISTER_LIST) {
        return;
    }
    switch (event) {
    case ListEvent::DoubleClick:
    case ListEvent::Enter:
        EditLine(line);
        break;
    case ListEvent::HotLineChanged:
        hotLine_ = line;
        break;
    case ListEvent::Click:
        break;
    }
}

// The refresh waits while the dialog is open.
void RegistersPage::EditLine(int line) {
    countdown_ = 0;
    if (line >= 0 && line < LineCount()) {
        ModifyRegisterDialog dialog(Session(), line);
        if (context_.Services().RunDialog(dialog)) {
            config::WorkingConfig& config = Session().config;
            WriteLine(line, regs::ReadRegister(config, regs::EnumRegister(config, line).reg, line));
            Report();
        }
    }
    countdown_ = kRefreshAfterOpening;
}

void RegistersPage::OnTimer() {
    if (countdown_ == 0 || --countdown_ != 0) {
        return;
    }
    for (int position = 0, count = LineCount(); position < count; ++position) {
        if (const std::optional<std::uint32_t> value = edit::RefreshMark(Session(), position)) {
            WriteLine(position, *value);
        }
    }
    countdown_ = kRefreshAfterRefresh;
}

bool RegistersPage::RepeatedFurtherDown(int position) {
    const config::WorkingConfig& config = Session().config;
    const std::uint32_t reg = regs::EnumRegister(config, position).reg;
    for (int later = position + 1; regs::EnumRegister(config, later).more; ++later) {
        if (regs::EnumRegister(config, later).reg == reg) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> RegistersPage::Tooltip(int control) {
    if (control != IDC_REGISTER_LIST) {
        return std::nullopt;
    }
    if (hotLine_ < 0 || hotLine_ >= LineCount()) {
        return std::string{};
    }
    std::string text = regs::RegisterBreakdown(Session().config, hotLine_);
    const edit::RegisterMark* mark = edit::MarkAt(Session(), hotLine_);
    const edit::ManualState state = mark != nullptr ? mark->state : edit::ManualState::Untouched;
    const bool repeated = RepeatedFurtherDown(hotLine_);
    if (state != edit::ManualState::Untouched || repeated) {
        text += kSeparator;
    }
    char note[256];
    if (state == edit::ManualState::Modified) {
        std::snprintf(note, sizeof note,
                      "\n[ * ]  You modified this register manually.  This register's \n  value "
                      "would be %08Xh if it was not modified.",
                      mark->computed);
        text += note;
    } else if (state == edit::ManualState::Overwritten) {
        std::snprintf(note, sizeof note,
                      "\n[ ! ]  You had previously modified this register manually to\n  %08Xh, "
                      "however, when you switched tabs, your\n  modification was overwritten.",
                      mark->manual);
        text += note;
    }
    if (repeated) {
        text += "\n[ ALERT ]  This register also exists further down this list.\n  Any changes to "
                "this register will be transient and will not\n  be retained in the final "
                "register programming.";
    }
    return text;
}

std::optional<TextColour> RegistersPage::TextColourOf(int control) {
    switch (control) {
    case IDC_REGISTERS_NOTE:
        return kDarkBlue;
    case IDC_REGISTERS_WARNING:
        return kDarkRed;
    default:
        return std::nullopt;
    }
}

} // namespace

std::unique_ptr<Page> MakeRegistersPage(PageContext& context) {
    return std::make_unique<RegistersPage>(context);
}

} // namespace k7r::cfgui
