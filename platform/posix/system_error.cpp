#include "platform/system_error.h"
#include "platform/refusal.h"

#include <cerrno>
#include <cstring>

namespace k7r::platform {

SystemError LastSystemError() {
    return {static_cast<std::uint32_t>(errno)};
}

std::string ErrorText(SystemError error) {
    if (error.refusal != Refusal::None) {
        return std::string(RefusalText(error.refusal));
    }
    return std::strerror(static_cast<int>(error.code));
}

} // namespace k7r::platform
