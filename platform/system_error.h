#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace k7r::platform {

// Refusals of our own, where the system has no code that says what went
// wrong: names of things that are not files, which the programs never open
// (a FIFO would block, a directory has no length), a file another program
// holds for a save, and a file that shrank under a reader.
enum class Refusal : std::uint8_t {
    None,
    Directory,
    Fifo,
    Device,
    Socket,
    InUse,
    ChangedWhileRead,
};

// Why an operating-system service failed: the system's code (errno on
// POSIX, GetLastError on Windows), captured at the failing call before
// cleanup code can overwrite it, or one of our own refusals.
struct SystemError {
    std::uint32_t code = 0;
    Refusal refusal = Refusal::None;
};

// The error of the call that just failed.
SystemError LastSystemError();

// The system's own message for the error, in its default language, without
// the line end some systems append; our own text for a refusal.
std::string ErrorText(SystemError error);

// A value or the system error that prevented it.
template <typename T>
class Result {
  public:
    Result(T value) : state_(std::move(value)) {}
    Result(SystemError error) : state_(error) {}
    Result(Refusal refusal) : state_(SystemError{.refusal = refusal}) {}

    explicit operator bool() const { return std::holds_alternative<T>(state_); }
    T& operator*() { return std::get<T>(state_); }
    const T& operator*() const { return std::get<T>(state_); }
    T* operator->() { return &std::get<T>(state_); }
    const T* operator->() const { return &std::get<T>(state_); }
    SystemError error() const { return std::get<SystemError>(state_); }

  private:
    std::variant<T, SystemError> state_;
};

// The outcome of an operation that yields nothing but success.
using Status = Result<std::monostate>;

inline Status Ok() {
    return std::monostate{};
}

} // namespace k7r::platform
