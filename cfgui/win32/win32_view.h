#pragma once

#include "cfgui/view.h"

#include <windows.h>

namespace k7r::cfgui::win32 {

// The View of a dialog: its child controls by id, each reached with the
// messages of its class.
class Win32View : public View {
  public:
    explicit Win32View(HWND dialog) : dialog_(dialog) {}

    std::string Text(int control) const override;
    void SetText(int control, std::string_view text) override;
    bool Checked(int control) const override;
    void SetChecked(int control, bool checked) override;
    void Enable(int control, bool enabled) override;
    void Show(int control, bool shown) override;
    void ClearItems(int control) override;
    void AddItem(int control, std::string_view text) override;
    void SetItems(int control, std::span<const std::string> items) override;
    void InsertItem(int control, int before, std::string_view text) override;
    void RemoveItem(int control, int item) override;
    int ItemCount(int control) const override;
    std::string ItemText(int control, int item) const override;
    int Selection(int control) const override;
    void Select(int control, int item) override;
    void SetRange(int control, int low, int high) override;
    void SetPosition(int control, int position) override;
    void AttachSlider(int slider, int field, unsigned step) override;
    void Focus(int control) override;
    void SelectAllText(int control) override;
    void SetTextLimit(int control, int characters) override;
    void SetColumns(int control, std::span<const Column> columns) override;
    void SetLine(int control, int line, std::span<const std::string> texts) override;
    std::string LineText(int control, int line, int column) const override;
    void FitColumns(int control) override;
    void SetClickableLines(int control) override;
    void SetDroppedWidth(int control, int pixels) override;
    void SetSpinAcceleration(int control, std::span<const SpinAcceleration> steps) override;
    void SetListBackground(int control, const TextColour& background) override;

  private:
    HWND Control(int control) const { return GetDlgItem(dialog_, control); }

    HWND dialog_;
};

} // namespace k7r::cfgui::win32
