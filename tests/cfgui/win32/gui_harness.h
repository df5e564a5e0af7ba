#pragma once

#include "cfgui/application.h"
#include "cfgui/pages/page_registry.h"
#include "cfgui/win32/main_window.h"
#include "cfgui/win32/win32_text.h"
#include "tests/cfgui/fake_view.h"

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Drives the utility's real main window in the test's own process the way a
// user would: clicks, typing, focus moves, tabs, menu commands, and answers
// to the modal windows they open. Every wait ends on a condition, within a
// bound.
namespace k7r::cfgui::gui {

inline constexpr int kStepTimeoutMs = 5000;

// The tabs, in their order.
enum { kGeneralTab, kPreferencesTab, kClocksTab, kPanelTab, kPowerTab, kRegistersTab, kDirectTab };

// The main window made from the real resources, shown, active, with the
// first tab open; closed again at the end.
class Session {
  public:
    explicit Session(PageTable pages = StandardPages());
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    HWND Main() const { return window.Window(); }
    HWND Page() const { return window.PageWindow(); }
    HWND Control(int id) const;
    std::string Title() const { return win32::WindowText(Main()); }
    std::string PaneText() const { return win32::WindowText(GetDlgItem(Main(), IDC_DIAGNOSTICS)); }
    // What a control's tip would show now, asked as the tooltip control asks.
    std::string TipOf(HWND control) const;

    fake::RecordingLauncher launcher;
    Application app;
    win32::MainWindow window;
};

// Pumps messages through the main window's keyboard handling until done()
// holds; false when the time ran out first.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = kStepTimeoutMs);
// Handles every message waiting now, and those that handling them posts.
void PumpPending();

void Click(HWND button);
// Focus into the field (or editable drop-down list), its text selected and
// replaced by typed characters.
void TypeInto(HWND field, std::string_view text);
// Moves the keyboard focus as a mouse click on the control would.
void FocusOn(HWND control);
// Presses and releases a key in the focused control, through the message
// loop.
void PressKey(UINT virtualKey);
// Chooses an item of a drop-down list or list box, as a click on it does.
void PickItem(HWND list, int index);
// Clicks the tab's label; true when the tab became the current one.
bool SelectTab(Session& session, int index);
// Clicks a line of a report-style list view with the mouse.
void ClickLine(HWND listView, int line);

bool MenuItemEnabled(HWND mainWindow, int id);
bool MenuItemChecked(HWND mainWindow, int id);
// Chooses a menu command; false (and nothing done) when it is greyed.
bool ChooseMenu(HWND mainWindow, int id);

// Answers, in order, the modal windows (message boxes, dialogs) that an
// action opens. The action runs while a timer watches for each expected
// window; whatever is still open at the time limit is cancelled, so a
// missing or unexpected window fails the test instead of hanging it.
class ModalScript {
  public:
    using Answer = std::function<void(HWND window)>;

    ModalScript& Expect(std::string title, Answer answer);
    // True when every expected window came and was answered in time.
    bool Run(const std::function<void()>& action, int timeoutMs = kStepTimeoutMs);
    // Per window answered: a message box's text, else the window's title.
    const std::vector<std::string>& Texts() const { return texts_; }

    static Answer Press(int buttonId);
    // Types the path into a file dialog's name field and presses its OK.
    static Answer ChooseFile(const std::string& path);
    // Looks at the window (reads its controls, takes a screenshot), then
    // presses the button.
    static Answer Inspect(std::function<void(HWND)> look, int buttonId);

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void OnTick();

    struct Step {
        std::string title;
        Answer answer;
    };
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    DWORD deadline_ = 0;
    bool timedOut_ = false;
    std::vector<std::string> texts_;
};

// Files dropped on a window, as the shell hands them over.
void DropFiles(HWND window, const std::vector<std::string>& names);

// A control anywhere below the window: the save dialog's extra buttons lie
// in a child dialog of their own.
HWND Descendant(HWND window, int id);
// The path as the file dialogs of Wine take it.
std::string WindowsPath(const std::string& unixPath);

std::vector<std::string> ListItems(HWND listBox);

// A file name of any script: Greek, Chinese and an emoji.
inline constexpr const char* kAnyName = "Ελληνικά 中文 🎛.exe";
// The test image under that name, in a new directory named in Cyrillic and
// Japanese inside the given one; its path as the window is given it.
std::string AnyNameImage(const std::string& directory);
// The description in the file's record; a test failure when it has none.
std::string DescriptionIn(const std::string& path);
// The test image copied into the directory under the name; its path as the
// window is given it.
std::string TestImageIn(const std::string& directory, const std::string& name = "viewer.exe");
// What the programs that drive the window live on the board emulator set
// up before the window opens: the test image copied into DIRECTORY, the
// emulated board offered to the Direct tab with its panel picture written
// there, and the chip layer given a record of its own. The image's path as
// the window takes it.
std::string PrepareEmulatedBoard(const std::string& directory);

} // namespace k7r::cfgui::gui
