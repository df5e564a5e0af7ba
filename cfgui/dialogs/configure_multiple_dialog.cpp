#include "cfgui/dialogs/configure_multiple_dialog.h"

#include "cfgui/dialogs/configure_summary_dialog.h"
#include "cfgui/resource.h"
#include "cfgui/view.h"
#include "containers/config_file.h"
#include "containers/configure_multiple.h"
#include "export/text_format.h"
#include "platform/ascii.h"
#include "platform/directory.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace k7r::cfgui {
namespace {

// What a run disables, so that nothing can change or end the dialog midway.
constexpr int kRunLockedControls[] = {
    IDC_DIALOG_OK,
    IDC_DIALOG_CANCEL,
    IDC_BROWSE_LIST,
    IDC_SELECTION_LIST,
    IDC_ADD,
    IDC_ADD_ALL,
    IDC_REMOVE,
    IDC_REMOVE_ALL,
    IDC_SHOW_ALL_FILES,
    IDC_SHOW_CONFIGURABLE,
    IDC_FILES_ONLY,
    IDC_CONFIGURE,
    IDC_PRESERVE_ADDRESSES,
};

// Alphabetical without regard to case; names that differ only in case keep
// a fixed order between them.
bool LessIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = platform::AsciiLower;
    if (std::ranges::lexicographical_compare(a, b, {}, lower, lower)) {
        return true;
    }
    return !std::ranges::lexicographical_compare(b, a, {}, lower, lower) && a < b;
}

} // namespace

void ConfigureMultipleDialog::Open(std::span<const std::string> dropped) {
    view_.SetChecked(IDC_PRESERVE_ADDRESSES, false);
    view_.SetChecked(IDC_SHOW_ALL_FILES, false);
    view_.SetChecked(IDC_SHOW_CONFIGURABLE, true);
    FillBrowseList();
    AddDropped(dropped);
}

void ConfigureMultipleDialog::AddDropped(std::span<const std::string> names) {
    std::vector<std::string> files;
    std::ranges::copy_if(names, std::back_inserter(files), platform::IsRegularFile);
    if (SelectAll(std::move(files))) {
        ShowSelection();
    }
}

bool ConfigureMultipleDialog::OnControl(int control, ControlEvent event) {
    const bool clicked = event == ControlEvent::Clicked;
    const bool doubleClicked = event == ControlEvent::DoubleClicked;
    switch (control) {
    case IDC_ADD:
        if (clicked) {
            AddBrowseItem();
        }
        break;
    case IDC_BROWSE_LIST:
        if (doubleClicked) {
            OpenBrowseItem();
        }
        break;
    case IDC_ADD_ALL:
        if (clicked) {
            AddAll();
        }
        break;
    case IDC_REMOVE:
        if (clicked) {
            RemoveSelectedFile();
        }
        break;
    case IDC_SELECTION_LIST:
        if (doubleClicked) {
            RemoveSelectedFile();
        }
        break;
    case IDC_REMOVE_ALL:
        if (clicked) {
            RemoveAll();
        }
        break;
    case IDC_SHOW_ALL_FILES:
    case IDC_SHOW_CONFIGURABLE:
        if (clicked) {
            FillBrowseList();
        }
        break;
    case IDC_CONFIGURE:
        return clicked && Configure();
    case IDC_DIALOG_CANCEL:
        return clicked && !running_;
    default:
        break;
    }
    return false;
}

void ConfigureMultipleDialog::FillBrowseList() {
    const platform::Result<std::string> directory = platform::CurrentDirectory();
    const bool showAll = view_.Checked(IDC_SHOW_ALL_FILES);
    browse_.clear();
    if (directory) {
        if (const auto entries = platform::ListDirectory(*directory)) {
            for (const platform::DirectoryEntry& entry : *entries) {
                if (entry.directory) {
                    browse_.push_back(
                        {exporter::Printf("[%s]", entry.name.c_str()), entry.name, false});
                } else if (showAll || containers::HasAcceptedExtension(entry.name)) {
                    browse_.push_back({entry.name, entry.name, true});
                }
            }
        }
    }
    std::ranges::sort(browse_, LessIgnoringCase, &BrowseItem::text);
    for (const char drive : services_.drives()) {
        browse_.push_back(
            {exporter::Printf("[-%c-]", drive), exporter::Printf("%c:", drive), false});
    }

    std::vector<std::string> texts;
    texts.reserve(browse_.size());
    std::ranges::transform(browse_, std::back_inserter(texts), &BrowseItem::text);
    view_.SetItems(IDC_BROWSE_LIST, texts);
    view_.SetText(IDC_CURRENT_DIRECTORY, directory ? *directory : std::string{});
}

bool ConfigureMultipleDialog::AddSelectedFile(const std::string& name) {
    const platform::Result<std::string> directory = platform::CurrentDirectory();
    if (!directory) {
        return false;
    }
    const std::string path = platform::JoinPath(*directory, name);
    if (!platform::IsRegularFile(path)) {
        return false;
    }
    if (const std::optional<std::size_t> place = Select(path)) {
        view_.InsertItem(IDC_SELECTION_LIST, static_cast<int>(*place), path);
    }
    return true;
}

const ConfigureMultipleDialog::BrowseItem* ConfigureMultipleDialog::CurrentBrowseItem() const {
    const int index = view_.Selection(IDC_BROWSE_LIST);
    if (index < 0 || static_cast<std::size_t>(index) >= browse_.size()) {
        return nullptr;
    }
    return &browse_[static_cast<std::size_t>(index)];
}

void ConfigureMultipleDialog::AddBrowseItem() {
    if (const BrowseItem* item = CurrentBrowseItem(); item != nullptr && item->file) {
        AddSelectedFile(item->target);
    }
}

void ConfigureMultipleDialog::OpenBrowseItem() {
    const BrowseItem* item = CurrentBrowseItem();
    if (item == nullptr || (item->file && AddSelectedFile(item->target))) {
        return;
    }
    // A file that has gone since the list was filled leaves with the refill.
    if (!item->file) {
        platform::ChangeDirectory(item->target);
    }
    FillBrowseList();
}

void ConfigureMultipleDialog::AddAll() {
    const platform::Result<std::string> directory = platform::CurrentDirectory();
    if (!directory) {
        return;
    }
    std::vector<std::string> files;
    for (auto item = browse_.rbegin(); item != browse_.rend(); ++item) {
        std::string path = platform::JoinPath(*directory, item->target);
        if (item->file && platform::IsRegularFile(path)) {
            files.push_back(std::move(path));
        }
    }
    if (SelectAll(std::move(files))) {
        ShowSelection();
    }
}

void ConfigureMultipleDialog::RemoveSelectedFile() {
    const int index = view_.Selection(IDC_SELECTION_LIST);
    if (index < 0 || static_cast<std::size_t>(index) >= selected_.size()) {
        return;
    }
    selected_.erase(selected_.begin() + index);
    view_.RemoveItem(IDC_SELECTION_LIST, index);
    // The next item takes the removed one's place, so Remove can be pressed
    // again.
    if (!selected_.empty()) {
        view_.Select(IDC_SELECTION_LIST, std::min(index, static_cast<int>(selected_.size()) - 1));
    }
}

void ConfigureMultipleDialog::RemoveAll() {
    selected_.clear();
    ShowSelection();
}

bool ConfigureMultipleDialog::Configure() {
    if (selected_.empty()) {
        services_.show(MessageIcon::Exclamation, "ERROR: No files selected!");
        return false;
    }
    running_ = true;
    EnableControls(false);
    const std::vector<std::string> paths = selected_;
    const auto showFailure = [this](const std::string& text) {
        services_.show(MessageIcon::Exclamation, text);
    };
    const auto progress = [&](std::size_t index, std::size_t) {
        ShowProgress(index, paths);
        if (services_.keepResponsive) {
            services_.keepResponsive();
        }
    };
    shownPercent_.reset();
    const containers::ConfigureSummary summary = containers::ConfigureFiles(
        paths, working_, view_.Checked(IDC_PRESERVE_ADDRESSES), showFailure, progress);
    view_.SetText(IDC_CONFIGURE_PROGRESS, "");
    if (SummaryFitsMessageBox(summary)) {
        services_.show(MessageIcon::Information, summary.text);
    } else {
        ConfigureSummaryDialog longSummary(summary);
        services_.runDialog(longSummary);
    }
    EnableControls(true);
    running_ = false;
    return true;
}

std::optional<std::size_t> ConfigureMultipleDialog::Select(const std::string& path) {
    const auto place = std::ranges::lower_bound(selected_, path, LessIgnoringCase);
    if (place != selected_.end() && *place == path) {
        return std::nullopt;
    }
    const auto inserted = selected_.insert(place, path);
    return static_cast<std::size_t>(inserted - selected_.begin());
}

bool ConfigureMultipleDialog::SelectAll(std::vector<std::string> paths) {
    const std::size_t before = selected_.size();
    std::ranges::sort(paths, LessIgnoringCase);
    std::vector<std::string> merged;
    merged.reserve(selected_.size() + paths.size());
    std::ranges::merge(std::make_move_iterator(selected_.begin()),
                       std::make_move_iterator(selected_.end()),
                       std::make_move_iterator(paths.begin()), std::make_move_iterator(paths.end()),
                       std::back_inserter(merged), LessIgnoringCase);
    // The order tells even names that differ only in case apart, so the
    // same path twice lies side by side.
    merged.erase(std::ranges::unique(merged).begin(), merged.end());
    selected_ = std::move(merged);
    return selected_.size() != before;
}

void ConfigureMultipleDialog::ShowSelection() {
    view_.SetItems(IDC_SELECTION_LIST, selected_);
}

void ConfigureMultipleDialog::ShowProgress(std::size_t index, std::span<const std::string> paths) {
    const std::size_t percent = index * 100 / paths.size();
    if (shownPercent_ == percent) {
        return;
    }
    shownPercent_ = percent;
    view_.SetText(IDC_CONFIGURE_PROGRESS, exporter::Printf("Saving file %zu of %zu: %s", index + 1,
                                                           paths.size(), paths[index].c_str()));
}

void ConfigureMultipleDialog::EnableControls(bool enabled) {
    for (const int control : kRunLockedControls) {
        view_.Enable(control, enabled);
    }
}

} // namespace k7r::cfgui
