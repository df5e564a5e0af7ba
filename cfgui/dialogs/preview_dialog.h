#pragma once

#include "cfgui/file_filters.h"
#include "cfgui/page.h"
#include "cfgui/preview_memory.h"
#include "config/hal_struct.h"
#include "emu/panel_picture.h"
#include "preview/preview_board.h"

#include <functional>
#include <optional>
#include <span>
#include <string>

namespace k7r::cfgui {

struct Application;
class View;

// A file the preview window asks the user for.
struct FileRequest {
    const char* title;
    std::span<const FileFilter> filters;
    const char* defaultExtension;
    // Else an open dialog for an existing file.
    bool save;
    std::string initialName;
};

// What the preview window needs from the window system.
struct PreviewServices {
    // The picture to paint, already zoomed.
    std::function<void(const emu::Picture& zoomed)> showPicture;
    // The chosen path; nothing when the user cancelled.
    std::function<std::optional<std::string>(const FileRequest& request)> chooseFile;
    std::function<void(const std::string& text)> showFailure;
};

// The modeless preview window beside the main window: what the panel shows
// for the working configuration (or another picture of it, as chosen in
// its Show list), zoomed to the window, with its status lines below. It
// follows every change of the configuration: the window's timer asks it
// often, and it draws again when something the picture depends on has
// changed since the last drawing, so that a burst of changes draws once.
// While the Direct tab keeps the emulated board live it shows that board.
class PreviewDialog {
  public:
    // How often the window's timer asks.
    static constexpr unsigned kCheckIntervalMs = 25;

    PreviewDialog(View& view, Application& app, PreviewServices services)
        : view_(view), app_(app), services_(std::move(services)) {}

    struct Size {
        unsigned width;
        unsigned height;
    };
    // Fills the controls and draws. Returns the size the picture area
    // wants: the picture at the remembered zoom.
    Size Open();
    void OnControl(int control, ControlEvent event);
    // The timer's tick.
    void Tick();
    // The picture area's size in pixels: the zoom becomes the largest that
    // fits.
    void Resized(unsigned width, unsigned height);
    // The window closes with its top-left corner there; its place and zoom
    // are remembered for the next opening.
    void Closing(int left, int top);

    unsigned Zoom() const { return zoom_; }
    const preview::Preview& Shown() const { return shown_; }

  private:
    // What a drawing depends on.
    struct Subject {
        HAL_STRUCT record;
        bool liveBoard;
        PreviewShowing showing;
        std::string picturePath;

        bool operator==(const Subject& other) const;
    };

    Subject Current() const;
    void Draw(const Subject& subject);
    void Present();
    void ShowZoomed();
    void SelectShowing();
    // True when a picture file was chosen.
    bool ChoosePicture();
    void SavePicture();

    View& view_;
    Application& app_;
    PreviewServices services_;
    preview::PreviewBoard board_;
    preview::Preview shown_;
    std::optional<Subject> drawn_;
    // The picture area, once the window has told it.
    std::optional<Size> area_;
    unsigned zoom_ = kInitialZoom;
};

} // namespace k7r::cfgui
