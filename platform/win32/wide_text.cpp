#include "platform/win32/wide_text.h"

#include <windows.h>

#include <algorithm>

namespace k7r::platform {
namespace {

// Names of this many characters or more need the prefix: the limit of
// directory names (MAX_PATH less room for an 8.3 name) is the lowest.
constexpr std::size_t kLongName = MAX_PATH - 12;

constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
constexpr std::wstring_view kDevicePrefix = L"\\\\.\\";
constexpr std::wstring_view kUncPrefix = L"\\\\";
constexpr std::wstring_view kLongUncPrefix = L"\\\\?\\UNC\\";

} // namespace

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int size = static_cast<int>(utf8.size());
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

std::string Narrow(std::wstring_view wide) {
    if (wide.empty()) {
        return {};
    }
    const int size = static_cast<int>(wide.size());
    const int length =
        ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::wstring WidePath(const std::string& path) {
    std::wstring wide = Widen(path);
    if (wide.starts_with(kLongPrefix) || wide.starts_with(kDevicePrefix)) {
        return wide;
    }
    // The system reads "/" as "\" anyway, but Wine misreads names over
    // about 180 characters that begin with "/" and use no other separator.
    std::ranges::replace(wide, L'/', L'\\');
    if (wide.size() < kLongName) {
        return wide;
    }
    // The prefix turns off the system's reading of the name: the full path
    // resolves "/", "." and ".." and relative names first.
    std::wstring full(wide.size() + MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) {
            return wide;
        }
        const bool fits = length < full.size();
        full.resize(length);
        if (fits) {
            break;
        }
    }
    if (full.starts_with(kUncPrefix)) {
        return std::wstring(kLongUncPrefix) + full.substr(kUncPrefix.size());
    }
    return std::wstring(kLongPrefix) + full;
}

} // namespace k7r::platform
