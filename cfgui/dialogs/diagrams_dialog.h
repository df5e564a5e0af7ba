#pragma once

#include "cfgui/page.h"
#include "config/hal_struct.h"
#include "diagrams/picture.h"

#include <functional>
#include <optional>

namespace k7r::cfgui {

struct Application;
class View;

// What the pictures window shows, chosen in its Show list.
enum class DiagramShowing { Timing, ClockTree };

// The modeless pictures window over the main window: the panel timing
// diagram or the clock tree of the working configuration, as chosen in its
// Show list. It follows every change of the configuration: the window's
// timer asks it often, and it draws again when the record has changed since
// the last drawing, so that a burst of changes draws once. It lives for the
// whole run, so that the window shows the same picture when opened again.
class DiagramsDialog {
  public:
    // How often the window's timer asks.
    static constexpr unsigned kCheckIntervalMs = 25;

    using ShowPicture = std::function<void(const diagrams::Picture& picture)>;
    DiagramsDialog(Application& app, ShowPicture showPicture)
        : app_(app), showPicture_(std::move(showPicture)) {}

    // The window's controls exist: fill them and draw.
    void Open(View& view);
    void OnControl(View& view, int control, ControlEvent event);
    // The timer's tick.
    void Tick();

    DiagramShowing Showing() const { return showing_; }
    const diagrams::Picture& Shown() const { return shown_; }

  private:
    void Draw();

    Application& app_;
    ShowPicture showPicture_;
    DiagramShowing showing_ = DiagramShowing::Timing;
    // The record the shown picture was drawn from.
    std::optional<HAL_STRUCT> drawn_;
    diagrams::Picture shown_;
};

} // namespace k7r::cfgui
