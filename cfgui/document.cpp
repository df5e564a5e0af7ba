#include "cfgui/document.h"

#include "cfgui/application.h"
#include "edit/edit_session.h"

namespace k7r::cfgui {

bool OpenDocument(Application& app, const std::string& path, const containers::MessageSink& show) {
    if (!edit::OpenConfiguration(app.session, path, show)) {
        return false;
    }
    app.currentPath = path;
    return true;
}

bool SaveDocument(Application& app, const containers::MessageSink& show) {
    if (containers::SaveConfigFile(app.currentPath, {}, app.session.config.Record, false, show)) {
        return true;
    }
    app.currentPath.clear();
    return false;
}

bool SaveDocumentAs(Application& app, const std::string& target,
                    const containers::MessageSink& show) {
    if (!containers::SaveConfigFile(app.currentPath, target, app.session.config.Record, false,
                                    show)) {
        return false;
    }
    app.currentPath = target;
    return true;
}

std::string SavedMessage(const std::string& path) {
    return "Configuration data saved in file \"" + path + "\".";
}

} // namespace k7r::cfgui
