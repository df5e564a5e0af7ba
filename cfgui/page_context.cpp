#include "cfgui/page_context.h"

#include "cfgui/application.h"

namespace k7r::cfgui {

WorkingConfig& PageContext::Config() {
    return app_.session.config;
}

edit::EditSession& PageContext::Session() {
    return app_.session;
}

} // namespace k7r::cfgui
