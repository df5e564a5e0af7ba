#include "regs/value_lists.h"

#include "regs/panel_type.h"

#include "regs/field_bits.h"
#include "regs/field_table.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"

#include <array>
#include <cstdio>
#include <span>
#include <string_view>

namespace k7r::regs {
namespace {

using Texts = std::span<const std::string_view>;

constexpr std::string_view kInputClocks[] = {"6.000",  "10.000", "12.000", "15.000",
                                             "20.000", "25.000", "25.175", "30.000",
                                             "33.333", "40.000", "50.000"};
constexpr std::string_view kTwoDivides[] = {"1:1", "2:1"};
// By value: 3 stores the basic HR-TFT type just as 2 does, and 4 to 7 are
// the extended types 1 to 4, so every name selects the type it names.
constexpr std::string_view kPanelTypes[] = {"STN",        "TFT",        "HR-TFT",     "HR-TFT",
                                            "TFT Type 2", "TFT Type 3", "TFT Type 4", "Casio TFT"};
constexpr std::string_view kFourDivides[] = {"1:1", "2:1", "3:1", "4:1"};
constexpr std::string_view kPclkDivides[] = {"1:1", "2:1", "3:1", "4:1", "8:1"};
constexpr std::string_view kBclkSources[] = {"CLKI", "CLKI2"};
constexpr std::string_view kPclkSources[] = {"MCLK", "BCLK", "CLKI", "CLKI2"};
constexpr std::string_view kPwmSources[] = {"CLKI", "CLKI2", "BCLK", "PCLK"};
constexpr std::string_view kEnabled[] = {"Disabled", "Enabled"};
constexpr std::string_view kPsTiming[] = {"Uses PS1 Timing", "Uses PS2 Timing"};
constexpr std::string_view kDataFormats[] = {"Format 1", "Format 2"};
constexpr std::string_view kColor[] = {"Mono", "Color"};
constexpr std::string_view kHrTftResolutions[] = {"160x160", "320x240"};
constexpr std::string_view kBasicPanelTypes[] = {"STN", "TFT", "Reserved", "HR-TFT"};
constexpr std::string_view kBlank[] = {"Not Blanked", "Blanked"};
constexpr std::string_view kDither[] = {"Dithering", "No Dithering"};
constexpr std::string_view kSwivelViews[] = {"0", "90", "180", "270"};
constexpr std::string_view kNonDisplay[] = {"VDP", "VNDP"};
constexpr std::string_view kMemoryPower[] = {"Powered Up", "Powered Down"};
constexpr std::string_view kWidths[] = {"160", "320", "480", "640", "800"};
constexpr std::string_view kHeights[] = {"160", "200", "240", "480", "600"};
constexpr std::string_view kPolarity[] = {"Active Low", "Active High"};
constexpr std::string_view kExtendedPanelTypes[] = {"None", "TFT Type 2", "TFT Type 3",
                                                    "TFT Type 4", "Casio TFT"};
constexpr std::string_view kLatch[] = {"No Effect", "Latched"};
constexpr std::string_view kForceHigh[] = {"No Effect", "Forced High"};
constexpr std::string_view kPolType[] = {"Line", "Frame"};
constexpr std::string_view kApWidths[] = {"20", "40", "80", "120", "150", "190", "240", "270"};
constexpr std::string_view kApRising[] = {"40", "52", "68", "90"};
constexpr std::string_view kVclkTimings[] = {"7", "9", "12", "16"};
constexpr std::string_view kPclk2Divides[] = {"64:1", "128:1", "256:1", "512:1"};
constexpr std::string_view kPartialTypes[] = {"Stripe", "Block"};
constexpr std::string_view kBltOperations[] = {"00 Write BLT ROP",
                                               "01 Read BLT",
                                               "02 Move BLT ROP +",
                                               "03 Move BLT ROP -",
                                               "04 Transparent Write BLT",
                                               "05 Transparent Move BLT",
                                               "06 Pattern Fill ROP",
                                               "07 Transparent Pattern Fill",
                                               "08 Color Expansion",
                                               "09 Color Expansion transparent",
                                               "0A Move BLT expansion",
                                               "0B Move BLT expansion transp",
                                               "0C Solid Fill"};
constexpr std::string_view kRasterOperations[] = {
    "00 Blackness", "01 ~S x ~D", "02 ~S x D", "03 ~S",       "04 S x ~D", "05 ~D",
    "06 S ^ D",     "07 ~S + ~D", "08 S x D",  "09 ~(S ^ D)", "0A D",      "0B ~S + D",
    "0C S",         "0D S + ~D",  "0E S + D",  "0F Whiteness"};

struct FixedList {
    std::uint32_t id;
    Texts texts;
};
constexpr FixedList kFixedLists[] = {
    {2, kInputClocks},
    {3, kInputClocks},
    {13, kTwoDivides},
    {24, kPanelTypes},
    {30, kFourDivides},
    {31, kBclkSources},
    {33, kPclkDivides},
    {34, kPclkSources},
    {35, kEnabled},
    {38, kPsTiming},
    {39, kDataFormats},
    {40, kColor},
    {43, kHrTftResolutions},
    {44, kBasicPanelTypes},
    {45, kEnabled},
    {46, kEnabled},
    {47, kBlank},
    {48, kDither},
    {49, kEnabled},
    {50, kEnabled},
    {51, kEnabled},
    {53, kSwivelViews},
    {55, kNonDisplay},
    {56, kMemoryPower},
    {57, kEnabled},
    {68, kWidths},
    {70, kPolarity},
    {74, kHeights},
    {76, kPolarity},
    {81, kEnabled},
    {82, kExtendedPanelTypes},
    {90, kEnabled},
    {91, kEnabled},
    {92, kEnabled},
    {93, kEnabled},
    {94, kEnabled},
    {95, kLatch},
    {113, kForceHigh},
    {114, kPwmSources},
    {115, kEnabled},
    {127, kPolType},
    {128, kApWidths},
    {129, kApRising},
    {130, kVclkTimings},
    {131, kVclkTimings},
    {143, kPclk2Divides},
    {146, kEnabled},
    {147, kPartialTypes},
    {148, kEnabled},
    {149, kEnabled},
    {150, kEnabled},
    {166, kEnabled},
    {167, kEnabled},
    {168, kEnabled},
    {169, kEnabled},
    {170, kEnabled},
    {173, kEnabled},
    {174, kEnabled},
    {175, kEnabled},
    {176, kEnabled},
    {178, kBltOperations},
};

std::optional<std::string> ItemOf(Texts texts, std::uint32_t item) {
    if (item >= texts.size()) {
        return std::nullopt;
    }
    return std::string(texts[item]);
}

// The raw values a field can hold: the bound of lists that name every item.
bool WithinField(std::size_t record, std::uint32_t item) {
    const std::uint32_t mask = kFieldTable[record].Mask;
    return mask != 0 && item <= FieldMaxValue(mask);
}

constexpr std::uint32_t kExtendedTft2 = 1;
constexpr std::uint32_t kExtendedTft3 = 2;

} // namespace

std::optional<std::string> ListFixed(config::WorkingConfig&, std::size_t record,
                                     std::uint32_t item) {
    const std::uint32_t id = kFieldTable[record].Id;
    for (const FixedList& list : kFixedLists) {
        if (list.id == id) {
            return ItemOf(list.texts, item);
        }
    }
    return std::nullopt;
}

std::optional<std::string> ListDataWidth(config::WorkingConfig& config, std::size_t,
                                         std::uint32_t item) {
    static constexpr std::string_view kStn[] = {"4-Bit", "8-Bit", "16-Bit"};
    static constexpr std::string_view kTft[] = {"9-Bit", "12-Bit", "18-Bit"};
    return ItemOf(GetFieldValue(config, kIdPanelType) == kPanelStn ? Texts(kStn) : Texts(kTft),
                  item);
}

// By value, so an enumeration from item 0 finds nothing.
std::optional<std::string> ListBitsPerPixel(config::WorkingConfig&, std::size_t,
                                            std::uint32_t item) {
    if (item != 1 && item != 2 && item != 4 && item != 8 && item != 16) {
        return std::nullopt;
    }
    return std::to_string(item);
}

std::optional<std::string> ListReservedZero(config::WorkingConfig&, std::size_t,
                                            std::uint32_t item) {
    if (item != 0) {
        return std::nullopt;
    }
    return std::string("Reserved as 0");
}

// The GPO pins carry panel signals for the Type 2 and Type 3 TFT panels,
// whose lists then name the signal's behaviour. "Every item" of a list is
// every value of its one-bit field, so an enumeration ends.
std::optional<std::string> ListGpoControl(config::WorkingConfig& config, std::size_t record,
                                          std::uint32_t item) {
    static constexpr std::string_view kForcedLow[] = {"Forced Low", "Enabled"};
    static constexpr std::string_view kOneEnabled[] = {"1", "Enabled"};
    const std::uint32_t id = kFieldTable[record].Id;
    const std::uint32_t extended = GetFieldValue(config, kIdExtPanelType);
    if (!WithinField(record, item)) {
        return std::nullopt;
    }
    if (id == 110) {
        return extended == kExtendedTft2 ? std::string("No Effect") : ItemOf(kEnabled, item);
    }
    if (extended != kExtendedTft3) {
        return ItemOf((id == 105 || id == 106) ? Texts(kForcedLow) : Texts(kEnabled), item);
    }
    switch (id) {
    case 107:
        return std::string("No Effect");
    case 108:
        return ItemOf(kOneEnabled, item);
    default:
        return ItemOf(kPolarity, item);
    }
}

// "2:1", "4:1", ... for the PWM clock divide (2 to the item) and the Type 3
// PCLK1 divide (2 to the item + 1).
std::optional<std::string> ListPowerOfTwoDivide(config::WorkingConfig& config, std::size_t record,
                                                std::uint32_t item) {
    const std::uint32_t id = kFieldTable[record].Id;
    const std::uint32_t exponent = item + (id == kIdPclk1Divide ? 1 : 0);
    if (item > GetFieldMax(config, id) || exponent > 31) {
        return std::nullopt;
    }
    return std::to_string(std::uint32_t{1} << exponent) + ":1";
}

std::optional<std::string> ListDutyCycle(config::WorkingConfig&, std::size_t, std::uint32_t item) {
    if (item > 255) {
        return std::nullopt;
    }
    return std::to_string(item);
}

// The raster operation field means what the BitBLT operation makes of it.
std::optional<std::string> ListRasterOperation(config::WorkingConfig& config, std::size_t record,
                                               std::uint32_t item) {
    if (!WithinField(record, item)) {
        return std::nullopt;
    }
    const std::uint32_t operation = GetFieldValue(config, kIdBltOperation);
    char text[32];
    switch (operation) {
    case 0:
    case 2:
    case 3:
    case 6: {
        std::string name(kRasterOperations[item]);
        // A pattern fill combines the pattern, not the source.
        if (operation == 6) {
            if (const auto source = name.find('S'); source != std::string::npos) {
                name[source] = 'P';
            }
        }
        return name;
    }
    case 8:
    case 9:
    case 10:
    case 11:
        std::snprintf(text, sizeof text, "%02X Start Bit %u", item, item & 7);
        return text;
    default:
        std::snprintf(text, sizeof text, "%02X n/a", item);
        return text;
    }
}

} // namespace k7r::regs
