#include "cfgui/page_context.h"

#include "cfgui/application.h"

namespace k7r::cfgui {
namespace {

class NoServices final : public PageServices {
  public:
    bool RunDialog(ModalDialog&) override { return false; }
    void KeepLiveTimer() override {}
};

} // namespace

PageServices& NoPageServices() {
    static NoServices none;
    return none;
}

config::WorkingConfig& PageContext::Config() {
    return app_.session.config;
}

edit::EditSession& PageContext::Session() {
    return app_.session;
}

} // namespace k7r::cfgui
