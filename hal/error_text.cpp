#include "hal/error_text.h"

#include "hal/layer_state.h"

#include <cstring>

namespace k7r::hal {
namespace {

// Indexed by error code; the texts are the layer's published messages,
// spelling included.
const char* const kErrorMessages[] = {
    "There was no error detected",
    "Unable to find/load the K7R58xxx driver",
    "Unable to locate an K7R58xxx controller",
    "This program has not been configured",
    "Config CRC does not match configureation",
    "The programmable clock cannot be set",
    "The requested clock frequency is too high",
    "The requested clock frequency is too low",
    "An unspecified error occured",
};

} // namespace

std::uint32_t LastError() {
    return State().lastError;
}

void SetLastError(std::uint32_t code) {
    State().lastError = code;
}

const char* ErrorMessage(std::uint32_t code) {
    return code < std::size(kErrorMessages) ? kErrorMessages[code]
                                            : kErrorMessages[kErrUnspecified];
}

std::string ErrorText() {
    const std::uint32_t code = LastError();
    if (code == kErrNone) {
        return ErrorMessage(code);
    }
    return std::string("ERROR: ") + ErrorMessage(code);
}

std::uint32_t GetErrorText(char* buffer, std::uint32_t length) {
    if (buffer != nullptr) {
        std::strncpy(buffer, ErrorText().c_str(), length);
    }
    return LastError();
}

} // namespace k7r::hal
