#pragma once

// The chip access layer's last error and its texts.

#include <cstdint>
#include <string>

namespace k7r::hal {

// Last-error codes.
inline constexpr std::uint32_t kErrNone = 0;
inline constexpr std::uint32_t kErrNoDriver = 1;
inline constexpr std::uint32_t kErrNoController = 2;
inline constexpr std::uint32_t kErrNotConfigured = 3;
inline constexpr std::uint32_t kErrCrcMismatch = 4;
inline constexpr std::uint32_t kErrClockNotSettable = 5;
inline constexpr std::uint32_t kErrClockTooHigh = 6;
inline constexpr std::uint32_t kErrClockTooLow = 7;
inline constexpr std::uint32_t kErrUnspecified = 8;

std::uint32_t LastError();
void SetLastError(std::uint32_t code);

// The fixed text of an error code ("An unspecified error occured" for codes
// beyond the table).
const char* ErrorMessage(std::uint32_t code);

// "There was no error detected", or "ERROR: " and the last error's text.
std::string ErrorText();

// strncpy semantics into a caller's buffer, as C callers expect: at most
// length characters, NUL-padded, not terminated when the text fills them.
// A null buffer only returns the code.
std::uint32_t GetErrorText(char* buffer, std::uint32_t length);

} // namespace k7r::hal
