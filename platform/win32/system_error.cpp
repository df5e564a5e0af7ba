#include "platform/system_error.h"
#include "platform/refusal.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

namespace k7r::platform {

SystemError LastSystemError() {
    return {static_cast<std::uint32_t>(::GetLastError())};
}

std::string ErrorText(SystemError error) {
    if (error.refusal != Refusal::None) {
        return std::string(RefusalText(error.refusal));
    }
    wchar_t text[4096];
    DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                         error.code, 0, text, sizeof text / sizeof text[0], nullptr);
    if (length == 0) {
        return "System error " + std::to_string(error.code) + ".";
    }
    // The texts end with CR LF, which a caller places itself.
    while (length > 0 &&
           (text[length - 1] == L'\n' || text[length - 1] == L'\r' || text[length - 1] == L' ')) {
        --length;
    }
    // In the system's language, which its code page may not spell.
    return Narrow(std::wstring_view(text, length));
}

} // namespace k7r::platform
