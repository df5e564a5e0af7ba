#pragma once

#include "cfgui/application.h"
#include "cfgui/modal_dialog.h"
#include "cfgui/page_context.h"
#include "cfgui/pages/page_registry.h"
#include "config/default_records.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"
#include "tests/cfgui/fake_view.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace k7r::cfgui::fake {

// The window's services as a page sees them: each dialog is run on a fake
// view by a script standing in for the user, and the live timer is a flag.
class FakeServices final : public PageServices {
  public:
    explicit FakeServices(const config::WorkingConfig& config) : config_(config) {}

    // What the user does in the next dialogs, in order: act on the dialog's
    // view and return true to press OK (until it is accepted), false to
    // cancel. A dialog without a script is cancelled.
    using UserAction = std::function<bool(ModalDialog& dialog, FakeView& view)>;
    std::vector<UserAction> users;
    // The titles of the dialogs run, and the refusals shown in them.
    Texts titles;
    Texts refusals;
    bool timerRunning = false;
    int timerChanges = 0;

    bool RunDialog(ModalDialog& dialog) override {
        FakeView view;
        titles.push_back(dialog.Title());
        dialog.Open(view);
        if (users.empty()) {
            return false;
        }
        const UserAction user = users.front();
        users.erase(users.begin());
        while (user(dialog, view)) {
            const std::optional<DialogRefusal> refusal = dialog.Accept(view);
            if (!refusal) {
                return true;
            }
            refusals.push_back(refusal->message);
            view.Focus(refusal->control);
        }
        return false;
    }

    void KeepLiveTimer() override {
        if (timerRunning != config_.Live) {
            timerRunning = config_.Live;
            ++timerChanges;
        }
    }

  private:
    const config::WorkingConfig& config_;
};

// One page of the utility on fake controls, with the shell's reporter, the
// help table gathered as the main window gathers it and the window's
// services, on the utility's template record. The user's actions arrive as
// the Win32 layer passes them on.
struct PageHarness {
    PageHarness() {
        app.active = true;
        GatherHelp(app, StandardPages());
    }

    // A fresh page on fresh controls, opened, as a change of tab makes it.
    void Open(PageFactory make) {
        page.reset();
        view.controls.clear();
        page = make(context);
        page->Open();
    }
    // A button clicked: a check box changes its state, an option button is
    // set.
    void Click(int control) { Click(control, !view[control].checked); }
    void Click(int control, bool checked) {
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
    config::WorkingConfig& Config() { return app.session.config; }
    std::uint32_t Get(std::uint32_t id) { return regs::GetFieldValue(Config(), id); }
    void Set(std::uint32_t id, std::uint32_t value) { regs::SetFieldValue(Config(), id, value); }

    Application app{TemplateRecord};
    FakePane pane;
    DiagnosticsReporter reporter{app, pane};
    FakeView view;
    FakeServices services{app.session.config};
    PageContext context{app, reporter, view, services};
    std::unique_ptr<Page> page;
};

} // namespace k7r::cfgui::fake

namespace k7r::cfgui {

class PageTest : public ::testing::Test, protected fake::PageHarness {};

} // namespace k7r::cfgui
