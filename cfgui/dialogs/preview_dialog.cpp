#include "cfgui/dialogs/preview_dialog.h"

#include "cfgui/application.h"
#include "cfgui/picture_zoom.h"
#include "cfgui/resource.h"
#include "cfgui/view.h"
#include "emu/emulated_driver.h"
#include "emu/png_file.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string_view>

namespace k7r::cfgui {
namespace {

preview::Preview DrawTestPattern(preview::PreviewBoard& board, const config::WorkingConfig& config,
                                 const std::string&) {
    return board.Show(config);
}

preview::Preview DrawPictureFile(preview::PreviewBoard& board, const config::WorkingConfig& config,
                                 const std::string& picturePath) {
    return board.Show(config, picturePath);
}

struct ShowingChoice {
    PreviewShowing showing;
    std::string_view label;
    preview::Preview (*draw)(preview::PreviewBoard& board, const config::WorkingConfig& config,
                             const std::string& picturePath);
};
// The Show list, in its order; another view of the configuration is one
// more row.
constexpr ShowingChoice kShowings[] = {
    {PreviewShowing::TestPattern, "Test pattern", DrawTestPattern},
    {PreviewShowing::PictureFile, "Picture file", DrawPictureFile},
};

const ShowingChoice& ChoiceOf(PreviewShowing showing) {
    return *std::find_if(
        std::begin(kShowings), std::end(kShowings),
        [showing](const ShowingChoice& choice) { return choice.showing == showing; });
}

constexpr FileFilter kPictureFilters[] = {
    {"Pictures (*.bmp;*.gif;*.jpg;*.jpeg)", "*.bmp;*.gif;*.jpg;*.jpeg"},
    {"All Files (*.*)", "*.*"},
};
constexpr FileFilter kPngFilters[] = {
    {"PNG Files (*.png)", "*.png"},
    {"All Files (*.*)", "*.*"},
};

bool SameShot(const preview::Preview& a, const preview::Preview& b) {
    return a.picture.width == b.picture.width && a.picture.height == b.picture.height &&
           a.picture.rgb == b.picture.rgb && a.status == b.status && a.faults == b.faults;
}

// The status lines, then the faults.
std::string StatusText(const preview::Preview& shown) {
    std::string text;
    for (const auto* lines : {&shown.status, &shown.faults}) {
        for (const std::string& line : *lines) {
            text += text.empty() ? "" : "\n";
            text += line;
        }
    }
    return text;
}

} // namespace

bool PreviewDialog::Subject::operator==(const Subject& other) const {
    return std::memcmp(&record, &other.record, sizeof record) == 0 &&
           liveBoard == other.liveBoard && showing == other.showing &&
           picturePath == other.picturePath;
}

PreviewDialog::Size PreviewDialog::Open() {
    view_.ClearItems(IDC_PREVIEW_SHOW);
    for (const ShowingChoice& choice : kShowings) {
        view_.AddItem(IDC_PREVIEW_SHOW, choice.label);
    }
    SelectShowing();
    zoom_ = app_.preview.zoom;
    Draw(Current());
    return {shown_.picture.width * zoom_, shown_.picture.height * zoom_};
}

void PreviewDialog::OnControl(int control, ControlEvent event) {
    if (control == IDC_PREVIEW_SHOW && event == ControlEvent::SelectionChanged) {
        const int item = view_.Selection(IDC_PREVIEW_SHOW);
        if (item < 0 || static_cast<std::size_t>(item) >= std::size(kShowings)) {
            return;
        }
        const PreviewShowing wanted = kShowings[item].showing;
        // A picture file needs a file first; without one the list goes back.
        if (wanted == PreviewShowing::PictureFile && app_.preview.picturePath.empty() &&
            !ChoosePicture()) {
            SelectShowing();
            return;
        }
        app_.preview.showing = wanted;
        Tick();
    } else if (control == IDC_PREVIEW_PICTURE_FILE && event == ControlEvent::Clicked) {
        if (ChoosePicture()) {
            app_.preview.showing = PreviewShowing::PictureFile;
            SelectShowing();
            Tick();
        }
    } else if (control == IDC_PREVIEW_SAVE && event == ControlEvent::Clicked) {
        SavePicture();
    }
}

// The live board changes without the configuration changing (the Direct
// tab draws on it): it is looked at every time.
void PreviewDialog::Tick() {
    const Subject now = Current();
    if (drawn_ && *drawn_ == now && !now.liveBoard) {
        return;
    }
    Draw(now);
}

void PreviewDialog::Resized(unsigned width, unsigned height) {
    area_ = Size{width, height};
    const unsigned zoom = ZoomFor(width, height, shown_.picture);
    if (zoom != zoom_) {
        zoom_ = zoom;
        ShowZoomed();
    }
}

void PreviewDialog::Closing(int left, int top) {
    app_.preview.placed = true;
    app_.preview.left = left;
    app_.preview.top = top;
    app_.preview.zoom = zoom_;
}

PreviewDialog::Subject PreviewDialog::Current() const {
    const config::WorkingConfig& config = app_.session.config;
    return {.record = config.Record,
            .liveBoard = config.Live && emu::EmulatorSelected(),
            .showing = app_.preview.showing,
            .picturePath = app_.preview.picturePath};
}

void PreviewDialog::Draw(const Subject& subject) {
    const config::WorkingConfig& config = app_.session.config;
    preview::Preview next =
        subject.liveBoard ? preview::LookAtBoard(emu::TheBoard(), config)
                          : ChoiceOf(subject.showing).draw(board_, config, subject.picturePath);
    drawn_ = subject;
    if (SameShot(next, shown_)) {
        return;
    }
    shown_ = std::move(next);
    Present();
}

// A picture of another size may fit the area at another zoom.
void PreviewDialog::Present() {
    view_.SetText(IDC_PREVIEW_STATUS, StatusText(shown_));
    if (area_) {
        zoom_ = ZoomFor(area_->width, area_->height, shown_.picture);
    }
    ShowZoomed();
}

void PreviewDialog::ShowZoomed() {
    services_.showPicture(Zoomed(shown_.picture, zoom_));
}

void PreviewDialog::SelectShowing() {
    for (std::size_t item = 0; item < std::size(kShowings); ++item) {
        if (kShowings[item].showing == app_.preview.showing) {
            view_.Select(IDC_PREVIEW_SHOW, static_cast<int>(item));
        }
    }
}

bool PreviewDialog::ChoosePicture() {
    const std::optional<std::string> path =
        services_.chooseFile({.title = "Open Picture",
                              .filters = kPictureFilters,
                              .defaultExtension = "bmp",
                              .save = false,
                              .initialName = app_.preview.picturePath});
    if (!path) {
        return false;
    }
    app_.preview.picturePath = *path;
    return true;
}

void PreviewDialog::SavePicture() {
    const std::optional<std::string> path =
        services_.chooseFile({.title = "Save Picture As",
                              .filters = kPngFilters,
                              .defaultExtension = "png",
                              .save = true,
                              .initialName = app_.preview.savePath});
    if (!path) {
        return;
    }
    app_.preview.savePath = *path;
    if (const std::string error = emu::WritePng(*path, shown_.picture); !error.empty()) {
        services_.showFailure(error);
    }
}

} // namespace k7r::cfgui
