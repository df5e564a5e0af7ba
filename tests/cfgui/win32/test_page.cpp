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

constexpr std::array<HelpRow, 3> kTestHelp = {{
    {kTestSetting, IDC_TEST_FIELD, 0, {}},
    {0, IDC_TEST_NEXT, 0, "The next field."},
    {0, IDC_TEST_NOTE, 0, "The %s note."},
}};

constexpr const char* kControlEvents[] = {"Clicked",          "TextChanged",
                                          "SelectionChanged", "SelectionConfirmed",
                                          "DoubleClicked",    "FocusLost"};
constexpr const char* kListEvents[] = {"Click", "DoubleClick", "Enter", "HotLineChanged"};
constexpr const char* kScrollEvents[] = {"ThumbPosition", "EndScroll", "Other"};

void Log(int control, const std::string& what) {
    TestPageEvents().push_back(std::to_string(control) + " " + what);
}

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
        TestPageEvents().clear();
    }

    void OnControl(int control, ControlEvent event) override {
        if (control != IDC_TEST_FIELD) {
            Log(control, kControlEvents[static_cast<int>(event)]);
            return;
        }
        if (event == ControlEvent::FocusLost) {
            LeaveField();
        }
    }

    void OnList(int control, ListEvent event, int line) override {
        Log(control, std::string("list ") + kListEvents[static_cast<int>(event)] + " " +
                         std::to_string(line));
    }

    void OnScroll(int control, ScrollEvent event, int position) override {
        Log(control, std::string("scroll ") + kScrollEvents[static_cast<int>(event)] + " " +
                         std::to_string(position));
    }

    std::optional<TextColour> TextColourOf(int control) override {
        return control == IDC_TEST_NOTE ? std::optional(kDarkRed) : std::nullopt;
    }

  private:
    void LeaveField() {
        config::WorkingConfig& config = context_.Config();
        const std::optional<MilliValue> value = ReadMilliField(context_.Controls(), IDC_TEST_FIELD);
        if (!value || value->whole < regs::GetFieldMin(config, kTestSetting) ||
            value->whole > regs::GetFieldMax(config, kTestSetting)) {
            context_.ReportBadEntry(IDC_TEST_FIELD, true);
            return;
        }
        const bool changed = regs::SetFieldValue(config, kTestSetting, value->whole);
        context_.ClearBadEntry(IDC_TEST_FIELD);
        if (changed) {
            context_.ReportStatus(IDC_TEST_FIELD, kReportRemember, "");
        }
    }

    PageContext& context_;
};

std::unique_ptr<Page> MakeTestPage(PageContext& context) {
    return std::make_unique<TestPage>(context);
}

} // namespace

std::vector<std::string>& TestPageEvents() {
    static std::vector<std::string> events;
    return events;
}

PageTable PagesWithTestPage() {
    PageTable pages = StandardPages();
    pages[0] = {IDD_TEST_PAGE, MakeTestPage, kTestHelp};
    return pages;
}

} // namespace k7r::cfgui::gui
