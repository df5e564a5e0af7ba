#include "containers/configure_multiple.h"

namespace k7r::containers {

ConfigureSummary ConfigureFiles(std::span<const std::string> paths, const HAL_STRUCT& working,
                                bool preserveAddresses, const MessageSink& show,
                                const ConfigureProgress& progress, std::size_t shownFailures) {
    ConfigureSummary summary{.text = "Summary of configured files:\n\n", .files = paths.size()};
    std::string withheld;
    const MessageSink withhold = [&withheld](const std::string& text) {
        withheld += text;
        withheld += "\n\n";
    };
    for (std::size_t index = 0; index < paths.size(); ++index) {
        if (progress) {
            progress(index, paths.size());
        }
        const MessageSink& sink = summary.failures < shownFailures ? show : withhold;
        const bool saved = SaveConfigFile(paths[index], "", working, preserveAddresses, sink);
        if (!saved) {
            ++summary.failures;
        }
        // The path goes in as it is: the text is shown, never used as a format.
        summary.text += saved ? "OK\t" : "Error\t";
        summary.text += paths[index];
        summary.text += '\n';
    }
    if (!withheld.empty()) {
        summary.text += "\nThe messages of the failures after the first ";
        summary.text += std::to_string(shownFailures);
        summary.text += " were not shown as message boxes; here they are:\n\n";
        summary.text += withheld;
        summary.text.pop_back();
    }
    return summary;
}

} // namespace k7r::containers
