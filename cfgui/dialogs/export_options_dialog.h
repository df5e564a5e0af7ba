#pragma once

#include "export/export_options.h"

namespace k7r::cfgui {

class View;

// The Export Options dialog: the mode number, changed only with its arrows,
// and the cursor and acceleration choices, each one mode flag.
class ExportOptionsDialog {
  public:
    ExportOptionsDialog(View& view, exporter::ExportOptions& options, bool showModeNumber)
        : view_(view), options_(options), showModeNumber_(showModeNumber) {}

    void Open();
    // OK: the choices become the options; every other flag bit keeps its
    // value. Cancel changes nothing and needs no call.
    void Accept();

  private:
    View& view_;
    exporter::ExportOptions& options_;
    bool showModeNumber_;
};

} // namespace k7r::cfgui
