#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace k7r::cfgui {

// What a control told its page.
enum class ControlEvent {
    Clicked,
    TextChanged,
    SelectionChanged,
    // A drop-down list closed on a choice.
    SelectionConfirmed,
    DoubleClicked,
    FocusLost,
};

// What a slider or spin control told its page; ThumbPosition carries the
// new position.
enum class ScrollEvent { ThumbPosition, EndScroll, Other };

// What a report-style list told its page, with the line it concerns (-1 for
// none).
enum class ListEvent { Click, DoubleClick, Enter, HotLineChanged };

struct TextColour {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};
// Notes and the diagnostics pane.
inline constexpr TextColour kDarkBlue = {0, 0, 175};
inline constexpr TextColour kDarkRed = {175, 0, 0};

// The icon of a message box: a failure, or what was done.
enum class MessageIcon { Exclamation, Information };

// One tab page of the main window, alive from the tab's choice until another
// tab is chosen. It reads and writes its controls through the View of its
// PageContext only; the shell turns the toolkit's messages into these calls.
class Page {
  public:
    virtual ~Page() = default;

    // The controls exist: fill them from the configuration.
    virtual void Open() {}
    virtual void OnControl(int /*control*/, ControlEvent /*event*/) {}
    virtual void OnScroll(int /*control*/, ScrollEvent /*event*/, int /*position*/) {}
    virtual void OnList(int /*control*/, ListEvent /*event*/, int /*line*/) {}
    virtual void OnTimer() {}
    // The tip of a control whose text depends on the page's state (the line
    // under the mouse); nothing to let the help table decide.
    virtual std::optional<std::string> Tooltip(int /*control*/) { return std::nullopt; }
    // A static text drawn in a colour of its own, on a transparent background.
    virtual std::optional<TextColour> TextColourOf(int /*control*/) { return std::nullopt; }
};

} // namespace k7r::cfgui
