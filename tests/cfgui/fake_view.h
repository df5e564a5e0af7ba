#pragma once

#include "cfgui/diagnostics_reporter.h"
#include "cfgui/page.h"
#include "cfgui/resource.h"
#include "cfgui/view.h"
#include "export/preview.h"

#include <map>
#include <string>
#include <vector>

namespace k7r::cfgui {

// The texts of a list's items or of a report line's cells.
using Texts = std::vector<std::string>;

namespace fake {

struct FakeControl {
    std::string text;
    bool checked = false;
    bool enabled = true;
    bool shown = true;
    Texts items;
    int selection = -1;
    bool textSelected = false;
    int limit = 0;
    int high = 0;
    int position = 0;
    // Report-style list views.
    std::vector<bool> rightAligned;
    std::vector<Texts> lines;
    std::vector<View::SpinAcceleration> acceleration;
};

// Controls as plain values, created on first use.
class FakeView : public View {
  public:
    std::map<int, FakeControl> controls;
    int focus = 0;

    FakeControl& operator[](int control) { return controls[control]; }

    std::string Text(int control) const override { return Find(control).text; }
    void SetText(int control, std::string_view text) override {
        controls[control].text = text;
        controls[control].textSelected = false;
    }
    bool Checked(int control) const override { return Find(control).checked; }
    void SetChecked(int control, bool checked) override { controls[control].checked = checked; }
    void Enable(int control, bool enabled) override { controls[control].enabled = enabled; }
    void Show(int control, bool shown) override { controls[control].shown = shown; }
    void ClearItems(int control) override {
        controls[control].items.clear();
        controls[control].lines.clear();
        controls[control].selection = -1;
    }
    void AddItem(int control, std::string_view text) override {
        controls[control].items.emplace_back(text);
    }
    void SetItems(int control, std::span<const std::string> items) override {
        ClearItems(control);
        controls[control].items.assign(items.begin(), items.end());
    }
    void InsertItem(int control, int before, std::string_view text) override {
        auto& items = controls[control].items;
        items.emplace(items.begin() + before, text);
    }
    void RemoveItem(int control, int item) override {
        auto& items = controls[control].items;
        items.erase(items.begin() + item);
    }
    int ItemCount(int control) const override {
        return static_cast<int>(Find(control).items.size());
    }
    std::string ItemText(int control, int item) const override {
        return Find(control).items.at(static_cast<std::size_t>(item));
    }
    int Selection(int control) const override { return Find(control).selection; }
    void Select(int control, int item) override { controls[control].selection = item; }
    void SetRange(int control, int, int high) override { controls[control].high = high; }
    void SetPosition(int control, int position) override { controls[control].position = position; }
    void AttachSlider(int, int, unsigned) override {}
    void Focus(int control) override { focus = control; }
    void SelectAllText(int control) override { controls[control].textSelected = true; }
    void SetTextLimit(int control, int limit) override { controls[control].limit = limit; }
    void SetColumns(int control, std::span<const Column> columns) override {
        controls[control].rightAligned.clear();
        for (const Column& column : columns) {
            controls[control].rightAligned.push_back(column.rightAligned);
        }
    }
    void SetLine(int control, int line, std::span<const std::string> texts) override {
        FakeControl& list = controls[control];
        const auto at = static_cast<std::size_t>(line);
        if (at >= list.lines.size()) {
            list.lines.resize(at + 1);
            list.items.resize(at + 1);
        }
        list.lines[at].assign(texts.begin(), texts.end());
        list.items[at] = texts.empty() ? std::string{} : texts.front();
    }
    std::string LineText(int control, int line, int column) const override {
        const FakeControl& list = Find(control);
        const auto at = static_cast<std::size_t>(line);
        const auto cell = static_cast<std::size_t>(column);
        if (at >= list.lines.size() || cell >= list.lines[at].size()) {
            return {};
        }
        return list.lines[at][cell];
    }
    void FitColumns(int) override {}
    void SetClickableLines(int) override {}
    void SetDroppedWidth(int, int) override {}
    void SetSpinAcceleration(int control, std::span<const SpinAcceleration> steps) override {
        controls[control].acceleration.assign(steps.begin(), steps.end());
    }
    void SetListBackground(int, const TextColour&) override {}

  private:
    const FakeControl& Find(int control) const {
        static const FakeControl none;
        const auto found = controls.find(control);
        return found == controls.end() ? none : found->second;
    }
};

// The diagnostics pane as the reporter left it.
struct FakePane : DiagnosticsPane {
    std::string text;
    bool errorColour = false;
    int beeps = 0;
    int updates = 0;

    void ShowText(const std::string& shown) override {
        text = shown;
        ++updates;
    }
    void SetErrorColour(bool error) override { errorColour = error; }
    void Beep() override { ++beeps; }
};

// Stands in for the text editor and the browser that previews start: it
// remembers what it was asked to open and refuses when told to. A started
// program would outlive the test and hold its output open.
struct RecordingLauncher : exporter::PreviewLauncher {
    bool refuse = false;
    Texts opened;

    bool OpenInTextEditor(const std::string& path) override {
        opened.push_back("text editor: " + path);
        return !refuse;
    }
    bool OpenWithDefaultProgram(const std::string& path) override {
        opened.push_back("default program: " + path);
        return !refuse;
    }
};

} // namespace fake
} // namespace k7r::cfgui
