#pragma once

namespace k7r::platform {

// Standard output writes its bytes as they are: LF stays LF. Windows' C
// runtime would otherwise turn every LF into CR LF.
void UseBinaryStandardOutput();

} // namespace k7r::platform
