#pragma once

#include "containers/config_file.h"

#include <string>

namespace k7r::cfgui {

struct Application;

// File Open, Save and Save As on the application's state once the user has
// named the file; the file dialogs and message boxes are the shell's.

// Adopts the file's record, makes it the current file and remembers its
// main start address. On failure `show` has been told why and nothing
// changed.
bool OpenDocument(Application& app, const std::string& path, const containers::MessageSink& show);

// Writes the configuration into the current file. A failure forgets the
// current file, so that Save and Save As are offered no more.
bool SaveDocument(Application& app, const containers::MessageSink& show);

// Copies the current file to the target with the configuration written into
// it; the target becomes the current file. A failure changes nothing.
bool SaveDocumentAs(Application& app, const std::string& target,
                    const containers::MessageSink& show);

// What a successful save shows.
std::string SavedMessage(const std::string& path);

} // namespace k7r::cfgui
