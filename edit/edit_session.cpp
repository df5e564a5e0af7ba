#include "edit/edit_session.h"

#include "panels/panel_settings.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"

namespace k7r::edit {

EditSession::EditSession(const HAL_STRUCT& initial, const panels::PanelDefList& panelList)
    : config(initial), panels(panelList) {}

bool OpenConfiguration(config::WorkingConfig& config, const std::string& path,
                       const containers::MessageSink& show, platform::FileVersion* version) {
    if (!containers::OpenConfigFile(path, config, show, version)) {
        return false;
    }
    config.SavedMainStart = regs::GetFieldValue(config, regs::kIdMainStart);
    return true;
}

bool OpenConfiguration(EditSession& session, const std::string& path,
                       const containers::MessageSink& show, platform::FileVersion* version) {
    if (!OpenConfiguration(session.config, path, show, version)) {
        return false;
    }
    MatchPredefinedPanel(session);
    return true;
}

void MatchPredefinedPanel(EditSession& session) {
    session.predefinedPanel =
        panels::MatchPredefinedPanel(session.config, session.panels, session.predefinedPanel);
}

} // namespace k7r::edit
