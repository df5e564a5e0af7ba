#pragma once

#include "cfgui/modal_dialog.h"
#include "containers/configure_multiple.h"

#include <string>

namespace k7r::cfgui {

// Whether the summary of a run is short enough for a message box: a taller
// one would run off the screen, with its OK button and the end of its text.
bool SummaryFitsMessageBox(const containers::ConfigureSummary& summary);

// The summary of a run too long for a message box: the counts first, then
// the summary, in a read-only field that scrolls and whose text can be
// selected and copied.
class ConfigureSummaryDialog final : public ModalDialog {
  public:
    explicit ConfigureSummaryDialog(const containers::ConfigureSummary& summary);

    int TemplateId() const override;
    std::string Title() const override;
    void Open(View& view) override;
    std::optional<DialogRefusal> Accept(View& view) override;

    // "4990 OK, 10 Error", a blank line, then the summary.
    const std::string& Text() const { return text_; }

  private:
    std::string text_;
};

} // namespace k7r::cfgui
