#pragma once

#include <span>
#include <string>
#include <string_view>

namespace k7r::cfgui {

struct TextColour;

// The controls of one page or dialog, by control id, as its logic sees
// them. The Win32 layer implements it over a dialog's child windows; the
// native tests over a table of fake controls. Ids that the page does not
// have read as empty and ignore changes.
class View {
  public:
    virtual ~View() = default;

    virtual std::string Text(int control) const = 0;
    virtual void SetText(int control, std::string_view text) = 0;
    virtual bool Checked(int control) const = 0;
    virtual void SetChecked(int control, bool checked) = 0;
    virtual void Enable(int control, bool enabled) = 0;
    virtual void Show(int control, bool shown) = 0;

    // List boxes and drop-down lists.
    virtual void ClearItems(int control) = 0;
    virtual void AddItem(int control, std::string_view text) = 0;
    // All items of a list at once: a long list drawn once, not per item.
    virtual void SetItems(int control, std::span<const std::string> items) = 0;
    // One item in or out of a long list, which a refill would scroll back to
    // its top.
    virtual void InsertItem(int control, int before, std::string_view text) = 0;
    virtual void RemoveItem(int control, int item) = 0;
    virtual int ItemCount(int control) const = 0;
    virtual std::string ItemText(int control, int item) const = 0;
    // -1 when nothing is selected, and for controls that are no lists.
    virtual int Selection(int control) const = 0;
    virtual void Select(int control, int item) = 0;

    // Sliders and spin buttons.
    virtual void SetRange(int control, int low, int high) = 0;
    virtual void SetPosition(int control, int position) = 0;
    // The slider moves in steps and writes its value into the field.
    virtual void AttachSlider(int slider, int field, unsigned step) = 0;

    virtual void Focus(int control) = 0;
    virtual void SelectAllText(int control) = 0;
    virtual void SetTextLimit(int control, int characters) = 0;

    // Report-style list views: a line per item, a text per column. The item
    // operations above act on the lines and their first column.
    struct Column {
        std::string_view title;
        bool rightAligned = false;
    };
    virtual void SetColumns(int control, std::span<const Column> columns) = 0;
    // Writes the texts of a line; a line one past the last is added.
    virtual void SetLine(int control, int line, std::span<const std::string> texts) = 0;
    virtual std::string LineText(int control, int line, int column) const = 0;
    // Each column as wide as its widest text, its title included.
    virtual void FitColumns(int control) = 0;

    // A report-style list view whose lines are picked whole, with one click;
    // its hot line follows the mouse.
    virtual void SetClickableLines(int control) = 0;
    // How wide the open list of a drop-down list is, in pixels, when its
    // items are wider than the control.
    virtual void SetDroppedWidth(int control, int pixels) = 0;
    // Spin buttons held down: after `seconds`, each step moves by `increment`.
    struct SpinAcceleration {
        unsigned seconds;
        unsigned increment;
    };
    virtual void SetSpinAcceleration(int control, std::span<const SpinAcceleration> steps) = 0;
    // Lines and their texts on the colour given.
    virtual void SetListBackground(int control, const TextColour& background) = 0;
};

} // namespace k7r::cfgui
