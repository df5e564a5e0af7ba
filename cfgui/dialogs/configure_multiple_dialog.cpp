#include "cfgui/dialogs/configure_multiple_dialog.h"

#include "cfgui/resource.h"
#include "cfgui/view.h"
#include "containers/config_file.h"
#include "containers/configure_multiple.h"
#include "export/text_format.h"
#include "platform/ascii.h"
#include "platform/directory.h"

#include <algorithm>
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
    bool added = false;
    for (const std::string& name : names) {
        added = (platform::IsRegularFile(name) && Select(name)) || added;
    }
    if (added) {
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

    view_.ClearItems(IDC_BROWSE_LIST);
    for (const BrowseItem& item : browse_) {
        view_.AddItem(IDC_BROWSE_LIST, item.text);
    }
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
    if (Select(path)) {
        ShowSelection();
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
    bool added = false;
    for (auto item = browse_.rbegin(); item != browse_.rend(); ++item) {
        const std::string path = platform::JoinPath(*directory, item->target);
        added = (item->file && platform::IsRegularFile(path) && Select(path)) || added;
    }
    if (added) {
        ShowSelection();
    }
}

void ConfigureMultipleDialog::RemoveSelectedFile() {
    const int index = view_.Selection(IDC_SELECTION_LIST);
    if (index < 0 || static_cast<std::size_t>(index) >= selected_.size()) {
        return;
    }
    selected_.erase(selected_.begin() + index);
    ShowSelection();
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
    const auto progress = [&](std::size_t index, std::size_t count) {
        view_.SetText(
            IDC_CONFIGURE_PROGRESS,
            exporter::Printf("Saving file %zu of %zu: %s", index + 1, count, paths[index].c_str()));
        if (services_.keepResponsive) {
            services_.keepResponsive();
        }
    };
    const containers::ConfigureSummary summary = containers::ConfigureFiles(
        paths, working_, view_.Checked(IDC_PRESERVE_ADDRESSES), showFailure, progress);
    view_.SetText(IDC_CONFIGURE_PROGRESS, "");
    services_.show(MessageIcon::Information, summary.text);
    EnableControls(true);
    running_ = false;
    return true;
}

bool ConfigureMultipleDialog::Select(const std::string& path) {
    const auto place = std::ranges::lower_bound(selected_, path, LessIgnoringCase);
    if (place != selected_.end() && *place == path) {
        return false;
    }
    selected_.insert(place, path);
    return true;
}

void ConfigureMultipleDialog::ShowSelection() {
    view_.ClearItems(IDC_SELECTION_LIST);
    for (const std::string& path : selected_) {
        view_.AddItem(IDC_SELECTION_LIST, path);
    }
}

void ConfigureMultipleDialog::EnableControls(bool enabled) {
    for (const int control : kRunLockedControls) {
        view_.Enable(control, enabled);
    }
}

} // namespace k7r::cfgui
