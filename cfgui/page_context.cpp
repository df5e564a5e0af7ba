#include "cfgui/page_context.h"

#include "cfgui/application.h"

namespace k7r::cfgui {

WorkingConfig& PageContext::Config() {
    return app_.config;
}

} // namespace k7r::cfgui
