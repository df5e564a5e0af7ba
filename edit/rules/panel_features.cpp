#include "edit/rules/panel_features.h"

#include <array>

namespace k7r::edit {
namespace {

using enum FeatureEditor;

// Composite panel types (setting 24) as bits of Feature::panelTypes.
constexpr std::uint8_t kAll = 0xFF;
constexpr std::uint8_t kStn = 1 << 0;
constexpr std::uint8_t kHrTft = 1 << 2;
constexpr std::uint8_t kType4 = 1 << 4;
constexpr std::uint8_t kType5 = 1 << 5;
constexpr std::uint8_t kType7 = 1 << 7;

constexpr std::array<Feature, 63> kFeatures = {{
    // id  editor    step  listed for
    {42, List, 0, kAll},     // Panel Data Width
    {40, List, 0, kAll},     // Color Panel
    {39, List, 0, kStn},     // Panel Data Fmt
    {43, List, 0, kHrTft},   // HR-TFT Res
    {68, DropDown, 0, kAll}, // Horz Disp Period
    {74, DropDown, 0, kAll}, // Vert Disp Period
    {67, Number, 8, kAll},   // Horz Total
    {73, Number, 1, kAll},   // Vert Total
    {69, Number, 1, kAll},   // Horz Start Pos
    {75, Number, 1, kAll},   // Vert Start Pos
    {72, Number, 1, kAll},   // FPLINE Start
    {71, Number, 1, kAll},   // FPLINE Width
    {70, List, 0, kAll},     // FPLINE Pol
    {78, Number, 1, kAll},   // FPFRAME Start
    {77, Number, 1, kAll},   // FPFRAME Width
    {76, List, 0, kAll},     // FPFRAME Pol
    // HR-TFT signal timing.
    {120, Number, 1, kHrTft},
    {121, Number, 1, kHrTft},
    {122, Number, 1, kHrTft},
    {123, Number, 1, kHrTft},
    {124, Number, 1, kHrTft},
    {125, Number, 1, kHrTft},
    {126, Number, 1, kHrTft},
    // Type 2 TFT configuration.
    {127, List, 0, kType4},
    {128, List, 0, kType4},
    {129, List, 0, kType4},
    {130, List, 0, kType4},
    {131, List, 0, kType4},
    // Casio TFT timing.
    {132, Number, 1, kType7},
    {133, Number, 1, kType7},
    {134, Number, 1, kType7},
    {135, Number, 1, kType7},
    // Type 3 TFT configuration, divides, partial mode, areas and commands.
    {136, Number, 2, kType5},
    {137, Number, 2, kType5},
    {138, Number, 2, kType5},
    {139, Number, 2, kType5},
    {140, Number, 2, kType5},
    {141, Number, 2, kType5},
    {142, Number, 2, kType5},
    {143, List, 0, kType5},
    {144, List, 0, kType5},
    {145, Number, 1, kType5},
    {146, List, 0, kType5},
    {147, List, 0, kType5},
    {148, List, 0, kType5},
    {149, List, 0, kType5},
    {150, List, 0, kType5},
    {151, Number, 8, kType5},
    {152, Number, 8, kType5},
    {153, Number, 8, kType5},
    {154, Number, 8, kType5},
    {155, Number, 8, kType5},
    {156, Number, 8, kType5},
    {157, Number, 8, kType5},
    {158, Number, 8, kType5},
    {159, Number, 8, kType5},
    {160, Number, 8, kType5},
    {161, Number, 8, kType5},
    {162, Number, 8, kType5},
    {163, Number, 1, kType5},
    {164, Number, 1, kType5},
    {165, Number, 1, kType5},
    {166, List, 0, kType5},
}};

} // namespace

std::span<const Feature> Features() {
    return kFeatures;
}

const Feature* FindFeature(std::uint32_t id) {
    for (const Feature& feature : kFeatures) {
        if (feature.id == id) {
            return &feature;
        }
    }
    return nullptr;
}

bool ListedFor(const Feature& feature, std::uint32_t panelType) {
    return panelType < 8 && (feature.panelTypes >> panelType & 1) != 0;
}

} // namespace k7r::edit
