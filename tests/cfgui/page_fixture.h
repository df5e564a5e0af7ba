#pragma once

#include "cfgui/application.h"
#include "cfgui/diagnostics_reporter.h"
#include "cfgui/page_context.h"
#include "cfgui/pages/page_registry.h"
#include "config/default_records.h"
#include "regs/field_values.h"
#include "tests/cfgui/fake_view.h"

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

namespace k7r::cfgui {

// One page of the utility over fake controls, with the shell's reporter and
// the help table gathered as the main window gathers it, on the utility's
// template record. The user's actions arrive as the Win32 layer passes
// them on.
class PageTest : public ::testing::Test {
  protected:
    PageTest() {
        app.active = true;
        GatherHelp(app, StandardPages());
    }

    void OpenPage(PageFactory make) {
        page = make(context);
        page->Open();
    }

    // A button clicked, checked (or cleared) by it.
    void Click(int control, bool checked = true) {
        view[control].checked = checked;
        page->OnControl(control, ControlEvent::Clicked);
    }
    // Typed into a field (an editable list's field: no item selected), then
    // the focus moved on.
    void Type(int control, std::string_view text) {
        view[control].text = text;
        view[control].selection = -1;
        page->OnControl(control, ControlEvent::FocusLost);
    }
    void Pick(int control, int item) {
        view[control].selection = item;
        view[control].text = view[control].items.at(static_cast<std::size_t>(item));
        page->OnControl(control, ControlEvent::SelectionChanged);
    }
    std::uint32_t Get(std::uint32_t id) { return regs::GetFieldValue(app.session.config, id); }
    void Set(std::uint32_t id, std::uint32_t value) {
        regs::SetFieldValue(app.session.config, id, value);
    }
    // The diagnostics pane's text, each line ended by "\n" as reported.
    std::string Pane() const { return app.diagnostics.shown + "\n"; }

    Application app{TemplateRecord};
    fake::FakePane pane;
    fake::FakeView view;
    DiagnosticsReporter reporter{app, pane};
    PageContext context{app, reporter, view};
    std::unique_ptr<Page> page;
};

} // namespace k7r::cfgui
