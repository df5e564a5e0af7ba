#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

namespace k7r::exporter {

// The settings each page of the utility shows, in the page's order, as the
// configuration report lists them. The Panel page shows the features its
// panel type uses; the Panel Power page the pin mask of its family.
struct ReportPage {
    std::string_view title;
    std::vector<std::uint32_t> settings;
};
std::vector<ReportPage> ReportPages(config::WorkingConfig& config);

} // namespace k7r::exporter
