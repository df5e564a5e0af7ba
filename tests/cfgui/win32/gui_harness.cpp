#include "tests/cfgui/win32/gui_harness.h"

#include "cfgui/win32/slider.h"
#include "cfgui/win32/win32_text.h"
#include "config/default_records.h"
#include "containers/config_file.h"
#include "emu/driver_choice.h"
#include "emu/emulated_driver.h"
#include "hal/access.h"
#include "platform/win32/wide_text.h"
#include "tests/support/test_files.h"

#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>

namespace k7r::cfgui::gui {
namespace {

namespace fs = std::filesystem;

// The one session of the test running now, for the pump's keyboard
// handling; and the script whose timer runs now. Timer procedures take no
// argument of their own.
Session* currentSession = nullptr;
ModalScript* currentScript = nullptr;

bool TimeIsUp(DWORD deadline) {
    return static_cast<LONG>(GetTickCount() - deadline) >= 0;
}

BOOL CALLBACK CollectModal(HWND window, LPARAM found) {
    if (IsWindowVisible(window) && win32::HasClass(window, "#32770")) {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    }
    return TRUE;
}

// The dialogs and message boxes this thread shows now.
std::vector<HWND> OpenModals() {
    std::vector<HWND> found;
    EnumThreadWindows(GetCurrentThreadId(), CollectModal, reinterpret_cast<LPARAM>(&found));
    return found;
}

void SendCommand(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

BOOL CALLBACK MatchId(HWND window, LPARAM search) {
    auto& [id, found] = *reinterpret_cast<std::pair<int, HWND>*>(search);
    if (GetDlgCtrlID(window) == id) {
        found = window;
        return FALSE;
    }
    return TRUE;
}

std::string MessageText(HWND box) {
    constexpr int kMessageTextId = 0xFFFF;
    const HWND text = GetDlgItem(box, kMessageTextId);
    return text != nullptr ? win32::WindowText(text) : std::string{};
}

} // namespace

void PumpPending() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            continue;
        }
        if (currentSession == nullptr || !currentSession->window.PreTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

Session::Session(PageTable pages) : app(TemplateRecord), window(app, pages, launcher) {
    const HINSTANCE program = GetModuleHandleA(nullptr);
    static const bool registered = [program] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        win32::WidenSliderClass(program);
        return win32::RegisterMainWindowClass(program);
    }();
    currentSession = this;
    if (registered && window.Create(program)) {
        SetForegroundWindow(Main());
        PumpUntil([this] { return app.active; });
    }
}

Session::~Session() {
    if (Main() != nullptr) {
        SendMessageA(Main(), WM_CLOSE, 0, 0);
    }
    PumpPending(); // what the closing posted, its WM_QUIT last
    currentSession = nullptr;
}

HWND Session::Control(int id) const {
    const HWND inPage = Page() != nullptr ? GetDlgItem(Page(), id) : nullptr;
    return inPage != nullptr ? inPage : GetDlgItem(Main(), id);
}

std::string Session::TipOf(HWND control) const {
    NMTTDISPINFOA info{};
    info.hdr.hwndFrom = window.TooltipWindow();
    info.hdr.idFrom = reinterpret_cast<UINT_PTR>(control);
    info.hdr.code = TTN_GETDISPINFOA;
    SendMessageA(Main(), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
    return info.lpszText != nullptr ? info.lpszText : "";
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(timeoutMs);
    for (;;) {
        PumpPending();
        if (done()) {
            return true;
        }
        if (TimeIsUp(deadline)) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void Click(HWND button) {
    SendMessageA(button, BM_CLICK, 0, 0);
    PumpPending();
}

void FocusOn(HWND control) {
    SendMessageA(GetParent(control), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    PumpPending();
}

void TypeInto(HWND field, std::string_view text) {
    FocusOn(field);
    const HWND edit = win32::HasClass(field, WC_COMBOBOXA)
                          ? FindWindowExA(field, nullptr, WC_EDITA, nullptr)
                          : field;
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, WM_CLEAR, 0, 0);
    for (const char c : text) {
        SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    PumpPending();
}

void PressKey(UINT virtualKey) {
    const HWND focus = GetFocus();
    PostMessageA(focus, WM_KEYDOWN, virtualKey, 1);
    PostMessageA(focus, WM_KEYUP, virtualKey, 0xC0000001);
    PumpPending();
}

void PickItem(HWND list, int index) {
    const bool combo = win32::HasClass(list, WC_COMBOBOXA);
    SendMessageA(list, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    const int id = GetDlgCtrlID(list);
    const HWND parent = GetParent(list);
    const auto param = reinterpret_cast<LPARAM>(list);
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, combo ? CBN_SELCHANGE : LBN_SELCHANGE), param);
    if (combo) {
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), param);
    }
    PumpPending();
}

bool SelectTab(Session& session, int index) {
    const HWND tabs = session.window.TabControl();
    RECT label;
    SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&label));
    const LPARAM at = MAKELPARAM((label.left + label.right) / 2, (label.top + label.bottom) / 2);
    SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(tabs, WM_LBUTTONUP, 0, at);
    PumpPending();
    return SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == index;
}

void ClickLine(HWND listView, int line) {
    RECT place{};
    place.left = LVIR_LABEL;
    SendMessageA(listView, LVM_GETITEMRECT, static_cast<WPARAM>(line),
                 reinterpret_cast<LPARAM>(&place));
    const LPARAM at = MAKELPARAM(place.left + 4, (place.top + place.bottom) / 2);
    // Posted, so that a list view that watches for a drag finds the release.
    PostMessageA(listView, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(listView, WM_LBUTTONUP, 0, at);
    PumpPending();
}

static UINT MenuState(HWND mainWindow, int id) {
    const HMENU menu = GetMenu(mainWindow);
    SendMessageA(mainWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(menu, 0)), 0);
    return GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND);
}

bool MenuItemEnabled(HWND mainWindow, int id) {
    const UINT state = MenuState(mainWindow, id);
    return state != 0xFFFFFFFF && (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

bool MenuItemChecked(HWND mainWindow, int id) {
    const UINT state = MenuState(mainWindow, id);
    return state != 0xFFFFFFFF && (state & MF_CHECKED) != 0;
}

bool ChooseMenu(HWND mainWindow, int id) {
    if (!MenuItemEnabled(mainWindow, id)) {
        return false;
    }
    SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    PumpPending();
    return true;
}

ModalScript& ModalScript::Expect(std::string title, Answer answer) {
    steps_.push_back({std::move(title), std::move(answer)});
    return *this;
}

bool ModalScript::Run(const std::function<void()>& action, int timeoutMs) {
    deadline_ = GetTickCount() + static_cast<DWORD>(timeoutMs);
    ModalScript* const outer = currentScript;
    currentScript = this;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, Tick);
    action();
    // Windows the action left open, and answers still due, get their time.
    PumpUntil([this] { return next_ == steps_.size() || timedOut_; }, timeoutMs);
    KillTimer(nullptr, timer);
    currentScript = outer;
    return next_ == steps_.size() && !timedOut_;
}

void CALLBACK ModalScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (currentScript != nullptr) {
        currentScript->OnTick();
    }
}

void ModalScript::OnTick() {
    const std::vector<HWND> open = OpenModals();
    if (TimeIsUp(deadline_)) {
        timedOut_ = true;
        for (const HWND window : open) {
            SendCommand(window, IDCANCEL);
        }
        return;
    }
    if (next_ == steps_.size()) {
        return;
    }
    const Step& step = steps_[next_];
    const auto match = std::ranges::find_if(
        open, [&](HWND window) { return win32::WindowText(window) == step.title; });
    if (match == open.end() || !IsWindowEnabled(*match)) {
        return;
    }
    const std::string text = MessageText(*match);
    texts_.push_back(text.empty() ? step.title : text);
    ++next_;
    step.answer(*match);
}

ModalScript::Answer ModalScript::Press(int buttonId) {
    return [buttonId](HWND window) { SendCommand(window, buttonId); };
}

ModalScript::Answer ModalScript::ChooseFile(const std::string& path) {
    return [path](HWND dialog) {
        // The explorer-style dialogs have a combined name box, the old ones
        // an edit field.
        constexpr int kNameBox = 0x47C;
        constexpr int kNameField = 0x480;
        const int field = GetDlgItem(dialog, kNameBox) != nullptr ? kNameBox : kNameField;
        win32::SetWindowUtf8Text(GetDlgItem(dialog, field), path);
        SendCommand(dialog, IDOK);
    };
}

ModalScript::Answer ModalScript::Inspect(std::function<void(HWND)> look, int buttonId) {
    return [look = std::move(look), buttonId](HWND window) {
        look(window);
        SendCommand(window, buttonId);
    };
}

void DropFiles(HWND window, const std::vector<std::string>& names) {
    std::wstring list;
    for (const std::string& name : names) {
        list += platform::Widen(name);
        list += L'\0';
    }
    list += L'\0';
    const std::size_t bytes = list.size() * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), bytes);
    GlobalUnlock(memory);
    SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

HWND Descendant(HWND window, int id) {
    std::pair<int, HWND> search{id, nullptr};
    EnumChildWindows(window, MatchId, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

std::string WindowsPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    std::ranges::replace(path, '/', '\\');
    return path;
}

std::vector<std::string> ListItems(HWND listBox) {
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageW(listBox, LB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        std::wstring text(static_cast<std::size_t>(SendMessageW(listBox, LB_GETTEXTLEN, index, 0)),
                          L'\0');
        SendMessageW(listBox, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
        items.push_back(platform::Narrow(text));
    }
    return items;
}

std::string AnyNameImage(const std::string& directory) {
    const std::string named = directory + "/Кириллица 日本語";
    const std::string path = named + "/" + kAnyName;
    fs::create_directories(fs::path(std::u8string(named.begin(), named.end())));
    fs::copy_file(test::TestImagePath("carrier.exe"),
                  fs::path(std::u8string(path.begin(), path.end())));
    return WindowsPath(path);
}

std::string DescriptionIn(const std::string& path) {
    config::WorkingConfig config(TemplateRecord);
    EXPECT_TRUE(containers::OpenConfigFile(path, config,
                                           [](const std::string& text) { ADD_FAILURE() << text; }));
    return config.Record.Description;
}

std::string TestImageIn(const std::string& directory, const std::string& name) {
    const std::string path = directory + "/" + name;
    test::WriteFileBytes(path, test::ReadFileBytes(test::TestImagePath("carrier.exe")));
    return WindowsPath(path);
}

std::string PrepareEmulatedBoard(const std::string& directory) {
    static HAL_STRUCT chipRecord{};
    CreateDirectoryA(WindowsPath(directory).c_str(), nullptr);
    const std::string image = TestImageIn(directory);
    _putenv_s(emu::kEmulatorVariable, WindowsPath(directory + "/panel.png").c_str());
    emu::OfferEmulatedBoard();
    hal::UseRecord(chipRecord);
    return image;
}

} // namespace k7r::cfgui::gui
