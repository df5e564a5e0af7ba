#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace k7r::platform {

// The operating system's code for why a call failed: errno on POSIX,
// GetLastError on Windows. Captured at the failing call, before cleanup
// code can overwrite it.
struct SystemError {
    std::uint32_t code = 0;
};

// The error of the call that just failed.
SystemError LastSystemError();

// The system's own message for the error, in its default language, without
// the line end some systems append.
std::string ErrorText(SystemError error);

// A value or the system error that prevented it.
template <typename T>
class Result {
  public:
    Result(T value) : state_(std::move(value)) {}
    Result(SystemError error) : state_(error) {}

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
