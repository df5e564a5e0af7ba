#include "edit/edit_session.h"

#include "panels/panel_settings.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"

namespace k7r::edit {

EditSession::EditSession(const HAL_STRUCT& initial, const panels::PanelDefList& panelList)
    : config(initial), panels(panelList) {}

bool OpenConfiguration(config::WorkingConfig& config, const std::string& path,
                       const containers::MessageSink& show, platform::FileVersion* version) {
    const std::optional<HAL_STRUCT> record = ReadConfiguration(path, show, version);
    if (!record) {
        return false;
    }
    AdoptConfiguration(config, *record);
    return true;
}

bool OpenConfiguration(EditSession& session, const std::string& path,
                       const containers::MessageSink& show, platform::FileVersion* version) {
    const std::optional<HAL_STRUCT> record = ReadConfiguration(path, show, version);
    if (!record) {
        return false;
    }
    AdoptConfiguration(session, *record);
    return true;
}

std::optional<HAL_STRUCT> ReadConfiguration(const std::string& path,
                                            const containers::MessageSink& show,
                                            platform::FileVersion* version) {
    // Reading adopts into a configuration: one of its own, so that nobody
    // else's is touched.
    config::WorkingConfig read{HAL_STRUCT{}};
    if (!containers::OpenConfigFile(path, read, show, version)) {
        return std::nullopt;
    }
    return read.Record;
}

void AdoptConfiguration(config::WorkingConfig& config, const HAL_STRUCT& record) {
    config.AdoptRecord(record);
    config.SavedMainStart = regs::GetFieldValue(config, regs::kIdMainStart);
}

void AdoptConfiguration(EditSession& session, const HAL_STRUCT& record) {
    AdoptConfiguration(session.config, record);
    MatchPredefinedPanel(session);
}

void MatchPredefinedPanel(EditSession& session) {
    session.predefinedPanel =
        panels::MatchPredefinedPanel(session.config, session.panels, session.predefinedPanel);
}

} // namespace k7r::edit
