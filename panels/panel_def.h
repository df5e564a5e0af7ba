#pragma once

#include <cstdint>
#include <string>

namespace k7r::panels {

// Codes of the type member; any other value means the file's token was not
// recognised.
inline constexpr std::int32_t kPanelStn = 1;
inline constexpr std::int32_t kPanelTft = 2;
inline constexpr std::int32_t kPanelHrTft = 3;
inline constexpr std::int32_t kPanelDTfd = 4;
inline constexpr std::int32_t kPanelHrTft2 = 5;

// Tri-state, data format and polarity members hold 1 or 0, or one of these.
// Any negative value in a compared member matches anything.
inline constexpr std::int32_t kNotApplicable = -2; // the file's letter n
inline constexpr std::int32_t kNotGiven = -4;      // missing or not recognised

// One predefined panel, as one PANEL line of a panel definition file
// describes it. The comments give the line's field numbers.
struct PanelDef {
    // Rejected by the qualification test; such entries are kept only from
    // DEBUG.DEF, and reason then says why.
    bool disqualified = false;
    std::string reason;

    std::string name;                    // 1, at most 78 characters
    std::int32_t type = 0;               // 2, kPanelStn ... kPanelHrTft2 or kNotGiven
    std::int32_t width = 0;              // 3, pixels
    std::int32_t height = 0;             // 4, lines
    std::int32_t el = kNotGiven;         // 5, electroluminescent
    std::int32_t dataWidth = 0;          // 6, bits
    std::int32_t tft2x = kNotGiven;      // 7, needs a double-width TFT interface
    std::int32_t dataFormat = kNotGiven; // 8, 0 = format 1, 1 = format 2
    std::int32_t color = kNotGiven;      // 9
    std::int32_t dual = kNotGiven;       // 10, split panel
    std::int32_t pclkKHz = 0;            // 11, 0 = no timing information
    std::int32_t hTotal = 0;             // 12, pixels
    std::int32_t hStart = 0;             // 13, pixels
    std::int32_t vTotal = 0;             // 14, lines
    std::int32_t vStart = 0;             // 15, lines
    std::int32_t lineStart = 0;          // 16, FPLINE pulse start in pixels
    std::int32_t lineWidth = 0;          // 17, pixels
    std::int32_t linePol = kNotGiven;    // 18, 1 = active high, 0 = active low
    std::int32_t frameStart = 0;         // 19, FPFRAME pulse start in lines
    std::int32_t frameWidth = 0;         // 20, lines
    std::int32_t framePol = kNotGiven;   // 21, 1 = active high, 0 = active low
    std::int32_t spareFlag = kNotGiven;  // 22, only compared when matching
    std::int32_t spare1 = 0;             // 23, only compared when matching
    std::int32_t spare2 = 0;             // 24, only compared when matching
};

} // namespace k7r::panels
