#pragma once

namespace k7r {
struct WorkingConfig;
}

namespace k7r::cfgui {

// Whether the panel type switches panel power through a GPO pin rather than
// a GPIO pin. Kept apart from the panel list's headers, whose panel type
// constants share names with the settings engine's.
bool PowerUsesGpoPin(WorkingConfig& config);

} // namespace k7r::cfgui
