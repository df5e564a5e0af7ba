#pragma once

#include "cfgui/application.h"
#include "cfgui/modal_dialog.h"
#include "cfgui/page_context.h"
#include "cfgui/pages/page_registry.h"
#include "config/default_records.h"
#include "tests/cfgui/fake_view.h"

#include <functional>
#include <memory>
#include <string>
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
    std::vector<std::string> titles;
    std::vector<std::string> refusals;
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

// One page of the utility on fake controls, with the application, the
// diagnostics pane and the window's services around it.
struct PageHarness {
    Application app{TemplateRecord};
    FakePane pane;
    DiagnosticsReporter reporter{app, pane};
    FakeView view;
    FakeServices services{app.session.config};
    PageContext context{app, reporter, view, services};
    std::unique_ptr<Page> page;

    // A fresh page on fresh controls, opened, as a change of tab makes it.
    void Open(PageFactory make) {
        page.reset();
        view.controls.clear();
        page = make(context);
        page->Open();
    }
    void Click(int control) {
        view[control].checked = !view[control].checked;
        page->OnControl(control, ControlEvent::Clicked);
    }
};

} // namespace k7r::cfgui::fake
