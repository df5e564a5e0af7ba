#pragma once

#include "config/working_config.h"
#include "containers/config_file.h"
#include "edit/chip_session.h"
#include "edit/register_marks.h"
#include "platform/file.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace k7r::panels {
class PanelDefList;
} // namespace k7r::panels

namespace k7r::edit {

// One run's editing state: the working configuration and what the pages
// remember beside it until the program ends. Page-visual state (the open
// tab, selections, the lock) belongs to the front end, not here.
struct EditSession {
    EditSession(const HAL_STRUCT& initial, const panels::PanelDefList& panels);

    config::WorkingConfig config;
    // The predefined panels the Panel page offers and matches.
    const panels::PanelDefList& panels;

    // The General page's User-Defined platform: the addresses last typed
    // into its fields, brought back when User-Defined is chosen again.
    std::uint32_t userRegisterAddress = 0;
    std::uint32_t userBufferAddress = 0;

    // The predefined panel the current settings match; none stands for
    // "Custom panel".
    std::optional<std::size_t> predefinedPanel;
    // The debug-mode note of a DEBUG.DEF list has been reported.
    bool debugNoteShown = false;

    // The Panel Power page's last chosen pin of each family, as a mask bit.
    std::uint32_t lastGpioPin = 1;
    std::uint32_t lastGpoPin = 1;

    // The Registers page's marks of registers changed by hand, and its
    // Modify Register dialog's number base.
    RegisterMarks registerMarks;
    // The Direct page's initialization options.
    InitSteps initSteps;
};

// The shell's Open: adopts the file's record (on failure `show` says why and
// nothing changes) and remembers its main start address for the layout
// updates to restore, so that the previous file's never reaches this one.
// version, when given, gets the version of the file read.
bool OpenConfiguration(config::WorkingConfig& config, const std::string& path,
                       const containers::MessageSink& show,
                       platform::FileVersion* version = nullptr);
// The same, and the predefined panel is matched.
bool OpenConfiguration(EditSession& session, const std::string& path,
                       const containers::MessageSink& show,
                       platform::FileVersion* version = nullptr);

// The two halves of OpenConfiguration, for a front end that reads a large
// file away from its window. The reading touches no configuration: the
// file's record, checked and in host order; nothing when `show` said why.
std::optional<HAL_STRUCT> ReadConfiguration(const std::string& path,
                                            const containers::MessageSink& show,
                                            platform::FileVersion* version = nullptr);
// The record read becomes the configuration, as OpenConfiguration leaves it.
void AdoptConfiguration(config::WorkingConfig& config, const HAL_STRUCT& record);
void AdoptConfiguration(EditSession& session, const HAL_STRUCT& record);

// Finds the predefined panel that describes the current settings, trying the
// one matched before first (the Panel page does this on opening and after
// each change; the core does it after every change it makes).
void MatchPredefinedPanel(EditSession& session);

} // namespace k7r::edit
