#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace k7r::cfgui {

struct Application;
class View;

// ReportStatus flags.
inline constexpr unsigned kReportError = 1;          // beep, error colour
inline constexpr unsigned kReportRemember = 2;       // keep the message on show
inline constexpr unsigned kReportRememberAlways = 4; // even with kReportDontRemember
inline constexpr unsigned kReportDontRemember = 8;
inline constexpr unsigned kReportForce = 16; // past the lock and another's message

// Messages with everything appended fit this many characters with the NUL;
// a remembered message this many.
inline constexpr std::size_t kReportRoom = 4096;
inline constexpr std::size_t kRememberedRoom = 256;

// The diagnostics pane as the reporter drives it.
class DiagnosticsPane {
  public:
    virtual ~DiagnosticsPane() = default;
    // Text with "\r\n" line ends.
    virtual void ShowText(const std::string& text) = 0;
    virtual void SetErrorColour(bool error) = 0;
    virtual void Beep() = 0;
};

// The diagnostics pane's state machine: a page's message, the message kept
// from before, then the configuration's errors and warnings.
class DiagnosticsReporter {
  public:
    DiagnosticsReporter(Application& app, DiagnosticsPane& pane) : app_(app), pane_(pane) {}

    // Returns the length of the text shown; 0 when the lock kept the report
    // out.
    std::size_t ReportStatus(int control, unsigned flags, std::string_view message);

    // An entry the control's setting refused: the message names the text
    // and the setting (with its bounds when withRange), the control takes
    // the lock and the focus, and shows the setting's value again, selected.
    // Only while the utility is the active application and not closing.
    void ReportBadEntry(View& view, int control, bool withRange);
    // The same for an entry that the editing core refused in its own words,
    // whatever setting the control shows now; the control shows `shown`.
    void ReportBadEntry(View& view, int control, std::string_view message, std::string_view shown);
    // The control's entry is valid again.
    void ClearBadEntry(int control);

  private:
    Application& app_;
    DiagnosticsPane& pane_;
};

} // namespace k7r::cfgui
