#include "export/symbol_names.h"

#include "config/hal_struct.h"
#include "export/export_options.h"
#include "export/text_format.h"
#include "platform/ascii.h"

#include <algorithm>
#include <span>

namespace k7r::exporter {
namespace {

struct NamedBit {
    std::uint32_t bit;
    std::string_view name;
};

// In the order the names are printed, which is not bit order.
constexpr NamedBit kHalFlags[] = {
    {fBCLK_DIVIDEBY2, "fBCLK_DIVIDEBY2"}, {fFIXED_DIVMCLK, "fFIXED_DIVMCLK"},
    {fFIXED_DIVPCLK, "fFIXED_DIVPCLK"},   {fNO_CLOCK_CHIP, "fNO_CLOCK_CHIP"},
    {fNO_USB_SUPPORT, "fNO_USB_SUPPORT"}, {fHRTFT_INUSE, "fHRTFT_INUSE"},
    {fFIXED_STRIDE, "fFIXED_STRIDE"},
};

constexpr NamedBit kModeFlags[] = {
    {mfLCD, "mfLCD"},
    {mfSWCURSOR, "mfSWCURSOR"},
    {mfSWEMUL, "mfSWEMUL"},
    {mfHWBLT, "mfHWBLT"},
};

// Pieces of register identifiers that keep their own spelling.
constexpr std::string_view kKeptWords[] = {
    "FPLine", "FPFrame", "MOD", "PiP",  "GPIO", "PWM", "BLT",   "ROP", "USB", "EP1",
    "EP2",    "EP3",     "EP4", "FIFO", "MSB",  "LSB", "USBFC", "IO",  "ID",
};

std::string JoinSetBits(std::uint32_t flags, std::span<const NamedBit> names) {
    std::string text;
    for (const NamedBit& named : names) {
        if (flags & named.bit) {
            text += named.name;
            text += '|';
        }
    }
    return text;
}

std::string CamelPiece(std::string_view piece) {
    for (const std::string_view word : kKeptWords) {
        if (platform::EqualsIgnoringCase(piece, word)) {
            return std::string(word);
        }
    }
    std::string text(piece);
    std::ranges::transform(text, text.begin(), platform::AsciiLower);
    text[0] = platform::AsciiUpper(text[0]);
    return text;
}

} // namespace

std::string FlagNames(std::uint32_t flags) {
    std::string text = JoinSetBits(flags, kHalFlags);
    if (text.empty()) {
        return "0";
    }
    text.pop_back();
    return text;
}

std::string ModeFlagNames(std::uint32_t flags, std::uint32_t swivelDegrees) {
    std::string text = JoinSetBits(flags, kModeFlags);
    if (swivelDegrees != 0) {
        text += Printf("mfR%u|", swivelDegrees);
    }
    if (text.empty()) {
        return "0";
    }
    text.pop_back();
    return text;
}

std::string CamelName(std::string_view identifier) {
    std::string name;
    while (!identifier.empty()) {
        const std::size_t end = std::min(identifier.find('_'), identifier.size());
        if (end > 0) {
            name += CamelPiece(identifier.substr(0, end));
        }
        identifier.remove_prefix(std::min(end + 1, identifier.size()));
    }
    return name;
}

} // namespace k7r::exporter
