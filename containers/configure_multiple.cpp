#include "containers/configure_multiple.h"

namespace k7r::containers {

ConfigureSummary ConfigureFiles(std::span<const std::string> paths, const HAL_STRUCT& working,
                                bool preserveAddresses, const MessageSink& show,
                                const ConfigureProgress& progress) {
    ConfigureSummary summary{.text = "Summary of configured files:\n\n"};
    for (std::size_t index = 0; index < paths.size(); ++index) {
        if (progress) {
            progress(index, paths.size());
        }
        const bool saved = SaveConfigFile(paths[index], "", working, preserveAddresses, show);
        if (!saved) {
            ++summary.failures;
        }
        // The path goes in as it is: the text is shown, never used as a format.
        summary.text += saved ? "OK\t" : "Error\t";
        summary.text += paths[index];
        summary.text += '\n';
    }
    return summary;
}

} // namespace k7r::containers
