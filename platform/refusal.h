#pragma once

#include "platform/system_error.h"

#include <string_view>

namespace k7r::platform {

// The text of one of our refusals; empty for Refusal::None.
std::string_view RefusalText(Refusal refusal);

} // namespace k7r::platform
