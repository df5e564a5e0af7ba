#include "cfgui/win32/preview_window.h"

#include "cfgui/application.h"
#include "cfgui/resource.h"
#include "cfgui/win32/control_events.h"
#include "cfgui/win32/file_dialog.h"
#include "cfgui/win32/message_box.h"
#include "cfgui/win32/owned_dialog.h"

#include <algorithm>
#include <limits>

namespace k7r::cfgui::win32 {
namespace {

constexpr UINT_PTR kCheckTimerId = 1;
// Between the main window and the preview when it first opens.
constexpr int kGapBesideOwner = 8;
constexpr SIZE kNoLimit{std::numeric_limits<int>::max(), std::numeric_limits<int>::max()};

RECT ClientRectOf(HWND dialog, int control) {
    RECT rect;
    GetWindowRect(GetDlgItem(dialog, control), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace

PreviewWindow::~PreviewWindow() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

void PreviewWindow::Open(HWND owner) {
    if (window_ != nullptr) {
        ShowWindow(window_, SW_RESTORE);
        SetForegroundWindow(window_);
        return;
    }
    owner_ = owner;
    CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PREVIEW), owner,
                       OwnedDialogProcedure<PreviewWindow>, reinterpret_cast<LPARAM>(this));
    if (window_ != nullptr) {
        ShowWindow(window_, SW_SHOW);
    }
}

bool PreviewWindow::PreTranslate(MSG& message) {
    if (window_ == nullptr || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) {
        return false;
    }
    return IsDialogMessageA(window_, &message) != FALSE;
}

INT_PTR PreviewWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    // Nothing to do while the window is being made and once it is closing.
    if (!logic_) {
        return FALSE;
    }
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) { // Esc
            DestroyWindow(window_);
        } else if (const auto event = DialogCommandEvent(wParam, lParam)) {
            logic_->OnControl(LOWORD(wParam), *event);
        }
        return TRUE;
    case WM_TIMER:
        if (wParam != kCheckTimerId) {
            return FALSE;
        }
        logic_->Tick();
        return TRUE;
    case WM_SIZE:
        OnSize();
        return TRUE;
    case WM_DRAWITEM:
        if (wParam != IDC_PREVIEW_PICTURE) {
            return FALSE;
        }
        OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(window_);
        return TRUE;
    case WM_DESTROY:
        OnDestroy();
        return TRUE;
    default:
        return FALSE;
    }
}

void PreviewWindow::OnInitDialog() {
    view_ = Win32View(window_);
    const RECT picture = ClientRectOf(window_, IDC_PREVIEW_PICTURE);
    const RECT status = ClientRectOf(window_, IDC_PREVIEW_STATUS);
    margin_ = picture.left;
    pictureTop_ = picture.top;
    statusHeight_ = status.bottom - status.top;
    rowWidth_ = ClientRectOf(window_, IDC_PREVIEW_SAVE).right + margin_;
    logic_.emplace(
        view_, app_,
        PreviewServices{
            .showPicture = [this](const emu::Picture& zoomed) { ShowPicture(zoomed); },
            .chooseFile = [this](const FileRequest& request) { return ChooseFile(request); },
            .showFailure =
                [this](const std::string& text) {
                    ShowMessage(window_, MB_ICONEXCLAMATION | MB_OK, text);
                },
        });
    FitPictureArea(logic_->Open(), kNoLimit);
    if (app_.preview.placed) {
        SetWindowPos(window_, nullptr, app_.preview.left, app_.preview.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        PlaceBeside(owner_);
    }
    SetTimer(window_, kCheckTimerId, PreviewDialog::kCheckIntervalMs, nullptr);
}

// Right of the owner, no larger than the screen leaves room for there, then
// no larger than the picture at the zoom that room gives; over the owner's
// right part only when not even the top row fits.
void PreviewWindow::PlaceBeside(HWND owner) {
    RECT beside;
    GetWindowRect(owner, &beside);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    RECT frame;
    GetWindowRect(window_, &frame);
    const int rowFrameWidth = rowWidth_ + (frame.right - frame.left) - ClientWidth();
    int left = beside.right + kGapBesideOwner;
    const int width =
        std::min<int>(frame.right - frame.left, std::max<int>(work.right - left, rowFrameWidth));
    left = std::min<int>(left, work.right - width);
    const int top = std::max<int>(work.top, beside.top);
    const int height = std::min<int>(frame.bottom - frame.top, work.bottom - top);
    SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    const emu::Picture& shown = logic_->Shown().picture;
    FitPictureArea({shown.width * logic_->Zoom(), shown.height * logic_->Zoom()},
                   SIZE{width, height});
}

int PreviewWindow::ClientWidth() const {
    RECT client;
    GetClientRect(window_, &client);
    return client.right;
}

// A square area, so that the picture turned by SwivelView fits as well.
void PreviewWindow::FitPictureArea(PreviewDialog::Size zoomed, SIZE limit) {
    const int side = static_cast<int>(std::max(zoomed.width, zoomed.height));
    RECT frame{0, 0, std::max(side + 2 * margin_, rowWidth_),
               pictureTop_ + side + 2 * margin_ + statusHeight_};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_EXSTYLE)));
    SetWindowPos(window_, nullptr, 0, 0, std::min<int>(frame.right - frame.left, limit.cx),
                 std::min<int>(frame.bottom - frame.top, limit.cy),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The picture takes the room the top row and the status lines leave.
void PreviewWindow::OnSize() {
    RECT client;
    GetClientRect(window_, &client);
    const int width = std::max(0, static_cast<int>(client.right) - 2 * margin_);
    const int statusTop =
        std::max(pictureTop_, static_cast<int>(client.bottom) - margin_ - statusHeight_);
    const int height = std::max(0, statusTop - margin_ - pictureTop_);
    MoveWindow(GetDlgItem(window_, IDC_PREVIEW_PICTURE), margin_, pictureTop_, width, height, TRUE);
    MoveWindow(GetDlgItem(window_, IDC_PREVIEW_STATUS), margin_, statusTop, width, statusHeight_,
               TRUE);
    logic_->Resized(static_cast<unsigned>(width), static_cast<unsigned>(height));
}

// The picture at the top left; the room it leaves in the work-area colour.
void PreviewWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const LONG width = picture_.biWidth;
    const LONG height = -picture_.biHeight;
    BITMAPINFO info{};
    info.bmiHeader = picture_;
    SetDIBitsToDevice(item.hDC, 0, 0, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0,
                      0, static_cast<UINT>(height), bits_.data(), &info, DIB_RGB_COLORS);
    const HBRUSH room = GetSysColorBrush(COLOR_APPWORKSPACE);
    const RECT right{width, 0, item.rcItem.right, item.rcItem.bottom};
    const RECT below{0, height, width, item.rcItem.bottom};
    FillRect(item.hDC, &right, room);
    FillRect(item.hDC, &below, room);
}

// A minimized window's normal place is the one to come back to.
void PreviewWindow::OnDestroy() {
    KillTimer(window_, kCheckTimerId);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window_, &placement);
    logic_->Closing(placement.rcNormalPosition.left, placement.rcNormalPosition.top);
    logic_.reset();
}

void PreviewWindow::ShowPicture(const emu::Picture& zoomed) {
    picture_ = BITMAPINFOHEADER{};
    picture_.biSize = sizeof picture_;
    picture_.biWidth = static_cast<LONG>(zoomed.width);
    picture_.biHeight = -static_cast<LONG>(zoomed.height);
    picture_.biPlanes = 1;
    picture_.biBitCount = 24;
    picture_.biCompression = BI_RGB;
    const std::size_t rowBytes = (std::size_t{zoomed.width} * 3 + 3) & ~std::size_t{3};
    bits_.assign(rowBytes * zoomed.height, 0);
    for (std::uint32_t y = 0; y < zoomed.height; ++y) {
        const std::uint8_t* from = zoomed.rgb.data() + std::size_t{y} * zoomed.width * 3;
        std::uint8_t* to = bits_.data() + y * rowBytes;
        for (std::uint32_t x = 0; x < zoomed.width; ++x, from += 3, to += 3) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
        }
    }
    InvalidateRect(GetDlgItem(window_, IDC_PREVIEW_PICTURE), nullptr, FALSE);
}

std::optional<std::string> PreviewWindow::ChooseFile(const FileRequest& request) {
    const unsigned flags = request.save ? kKeepInitialName | kAskOverwrite | kPathMustExist
                                        : kDialogOpen | kKeepInitialName | kMustExist;
    return FileDialog(window_, request.initialName, request.title, request.filters,
                      request.defaultExtension, flags);
}

} // namespace k7r::cfgui::win32
