#include "tests/cfgui/win32/test_page.h"

#include "cfgui/diagnostics_reporter.h"
#include "cfgui/field_readers.h"
#include "cfgui/page_context.h"
#include "cfgui/view.h"
#include "regs/field_values.h"
#include "tests/cfgui/win32/test_resource.h"

#include <array>

namespace k7r::cfgui::gui {
namespace {

constexpr std::array<HelpRow, 2> kTestHelp = {{
    {kTestSetting, IDC_TEST_FIELD, 0, {}},
    {0, IDC_TEST_NEXT, 0, "The next field."},
}};

class TestPage : public Page {
  public:
    explicit TestPage(PageContext& context) : context_(context) {}

    void Open() override {
        View& view = context_.Controls();
        view.SetText(IDC_TEST_FIELD, regs::FormatFieldValue(context_.Config(), kTestSetting));
        static constexpr View::Column kColumns[] = {{"Value", true}, {"Feature", false}};
        view.SetColumns(IDC_TEST_LIST, kColumns);
        view.SetLine(IDC_TEST_LIST, 0, std::array<std::string, 2>{"1", "first"});
        view.SetLine(IDC_TEST_LIST, 1, std::array<std::string, 2>{"22", "second"});
        view.FitColumns(IDC_TEST_LIST);
        view.Select(IDC_TEST_LIST, 1);
        view.SetRange(IDC_TEST_SLIDER, 0, 100);
        view.AttachSlider(IDC_TEST_SLIDER, IDC_TEST_NEXT, 8);
        TestPageLog() = {};
    }

    void OnList(int control, ListEvent event, int line) override {
        if (control == IDC_TEST_LIST) {
            ++TestPageLog().listEvents;
            TestPageLog().lastListEvent = event;
            TestPageLog().lastLine = line;
        }
    }

    void OnScroll(int control, ScrollEvent event, int position) override {
        if (control == IDC_TEST_SLIDER && event == ScrollEvent::ThumbPosition) {
            ++TestPageLog().scrollEvents;
            TestPageLog().lastPosition = position;
        }
    }

    void OnControl(int control, ControlEvent event) override {
        if (control != IDC_TEST_FIELD || event != ControlEvent::FocusLost) {
            return;
        }
        config::WorkingConfig& config = context_.Config();
        const std::optional<MilliValue> value = ReadMilliField(context_.Controls(), control);
        if (!value || value->whole < regs::GetFieldMin(config, kTestSetting) ||
            value->whole > regs::GetFieldMax(config, kTestSetting)) {
            context_.ReportBadEntry(control, true);
            return;
        }
        const bool changed = regs::SetFieldValue(config, kTestSetting, value->whole);
        context_.ClearBadEntry(control);
        if (changed) {
            context_.ReportStatus(control, kReportRemember, "");
        }
    }

  private:
    PageContext& context_;
};

std::unique_ptr<Page> MakeTestPage(PageContext& context) {
    return std::make_unique<TestPage>(context);
}

} // namespace

TestPageEvents& TestPageLog() {
    static TestPageEvents log;
    return log;
}

PageTable PagesWithTestPage() {
    PageTable pages = StandardPages();
    pages[0] = {IDD_TEST_PAGE, MakeTestPage, kTestHelp};
    return pages;
}

} // namespace k7r::cfgui::gui
