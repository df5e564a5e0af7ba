#pragma once

#include <cstdint>
#include <span>

// The Panel page's feature list: every timing and signal setting a panel
// type uses, with the editor that changes it.
namespace k7r::edit {

enum class FeatureEditor {
    Number,   // a number field with spin buttons and a slider
    List,     // a list box of the setting's list texts
    DropDown, // an editable drop-down list of suggested values
};

struct Feature {
    std::uint32_t id;
    FeatureEditor editor;
    // The slider's and spin buttons' step (number editors only).
    std::uint32_t step;
    // Bit t set: listed while the composite panel type (setting 24) is t.
    std::uint8_t panelTypes;
};

// The 63 rows, in list order.
std::span<const Feature> Features();

// The row of a setting; nullptr when the feature list does not offer it.
const Feature* FindFeature(std::uint32_t id);

bool ListedFor(const Feature& feature, std::uint32_t panelType);

} // namespace k7r::edit
