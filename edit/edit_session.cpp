#include "edit/edit_session.h"

#include "panels/panel_settings.h"
#include "regs/setting_ids.h"
#include "regs/settings_engine.h"

namespace k7r::edit {

EditSession::EditSession(const HAL_STRUCT& initial, const PanelDefList& panelList)
    : config(initial), panels(panelList) {}

bool OpenConfiguration(EditSession& session, const std::string& path, const MessageSink& show) {
    if (!OpenConfigFile(path, session.config, show)) {
        return false;
    }
    // The layout updates restore this address; the previous file's must not
    // find its way into this one.
    session.config.SavedMainStart = GetFieldValue(session.config, kIdMainStart);
    MatchPredefinedPanel(session);
    return true;
}

void MatchPredefinedPanel(EditSession& session) {
    session.predefinedPanel =
        k7r::MatchPredefinedPanel(session.config, session.panels, session.predefinedPanel);
}

} // namespace k7r::edit
