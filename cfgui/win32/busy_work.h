#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace k7r::cfgui::win32 {

// Runs work on a thread of its own and handles this thread's messages until
// it is done, the owner disabled as under a modal dialog and the input meant
// for it dropped. Work that lasts long enough to notice gets a small window
// over the owner that says what it does and shows a moving bar. The windows
// that stay usable get their keyboard handling from preTranslate first, as
// in the message loop. An exception of the work is thrown on from here.
void RunBusyWork(HWND owner, const std::string& what, const std::function<void()>& work,
                 const std::function<bool(MSG&)>& preTranslate);

} // namespace k7r::cfgui::win32
