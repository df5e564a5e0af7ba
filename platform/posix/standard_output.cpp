#include "platform/standard_output.h"

namespace k7r::platform {

// POSIX streams never translate line ends.
void UseBinaryStandardOutput() {}

} // namespace k7r::platform
