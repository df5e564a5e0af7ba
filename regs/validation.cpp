#include "regs/validation.h"

#include "config/working_config.h"
#include "regs/field_attributes.h"
#include "regs/field_bits.h"
#include "regs/field_names.h"
#include "regs/field_table.h"
#include "regs/field_values.h"
#include "regs/panel_type.h"
#include "regs/register_access.h"
#include "regs/setting_ids.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace k7r::regs {
namespace {

// Collects the findings of the rules in rule order.
class Findings {
  public:
    // printf-style, so that the compiler checks every message's arguments.
    [[gnu::format(printf, 3, 4)]] void Add(std::initializer_list<std::uint32_t> settings,
                                           const char* format, ...) {
        char message[512];
        std::va_list args;
        va_start(args, format);
        const int length = std::vsnprintf(message, sizeof message, format, args);
        va_end(args);
        if (length > 0) {
            findings_.push_back({message, settings});
        }
    }

    std::vector<Finding> Take() { return std::move(findings_); }

  private:
    std::vector<Finding> findings_;
};

// The messages as formatting them one after the other into the room a
// caller's buffer has left would leave them: a message is cut at the end of
// the room and later ones are dropped.
std::string Join(const std::vector<Finding>& findings, std::size_t room) {
    std::string text;
    for (const Finding& finding : findings) {
        if (text.size() + 1 >= room) {
            break;
        }
        text.append(finding.text, 0, room - 1 - text.size());
    }
    return text;
}

std::string Name(std::uint32_t id) {
    return FormatFieldName(id, kShortForms | kShowName);
}

// The quantities the rules compare, read once through the settings engine.
struct Timing {
    std::uint32_t bpp, swivelView, pclk, mclk;
    std::uint32_t ht, hdp, hps, vt, vdp, vps;
    std::uint32_t panelType;
};

Timing ReadTiming(config::WorkingConfig& config) {
    return {GetFieldValue(config, kIdBitsPerPixel), GetFieldValue(config, kIdSwivelView),
            GetFieldValue(config, kIdPixelClock),   GetFieldValue(config, kIdMemoryClock),
            GetFieldValue(config, kIdHorzTotal),    GetFieldValue(config, kIdHorzDisplay),
            GetFieldValue(config, kIdHorzStart),    GetFieldValue(config, kIdVertTotal),
            GetFieldValue(config, kIdVertDisplay),  GetFieldValue(config, kIdVertStart),
            GetFieldValue(config, kIdPanelType)};
}

bool IsQuarterTurn(std::uint32_t swivelView) {
    return swivelView == 90 || swivelView == 270;
}

// The sibling chips cannot double pixels at 1 bpp; this one can.
bool IsSiblingChip(const HAL_STRUCT& record) {
    const std::string chipId(record.ChipId, strnlen(record.ChipId, sizeof record.ChipId));
    return chipId.find("58C20") != std::string::npos || chipId.find("58C21") != std::string::npos;
}

void CheckMemoryBandwidth(const Timing& t, Findings& out) {
    if ((t.swivelView == 0 || t.swivelView == 180) && t.bpp <= 16) {
        const std::uint32_t depth = t.bpp == 0 ? 1 : t.bpp;
        if (t.mclk < t.pclk / (16 / depth)) {
            out.Add({kIdMemoryClock, kIdPixelClock}, "ERROR: MCLK is less than PCLK/(16/BPP).\n");
        }
    } else if (IsQuarterTurn(t.swivelView) && t.mclk < t.pclk * 5 / 4) {
        out.Add({kIdMemoryClock, kIdPixelClock}, "ERROR: MCLK is less than 1.25PCLK.\n");
    }
}

void CheckStnTiming(config::WorkingConfig& config, const Timing& t, Findings& out) {
    if (t.hps > 22) {
        out.Add({kIdHorzStart},
                "Warning: %s must be 22 (where REG[28h] = 0) when Panel Type is STN.\n",
                Name(kIdHorzStart).c_str());
    }
    const std::uint32_t lineStart = GetFieldValue(config, kIdFplineStart);
    const std::uint32_t lineWidth = GetFieldValue(config, kIdFplineWidth);
    const char* greater = "Warning: %s should be greater than (%s + %s) when Panel Type is STN.\n";
    if (lineStart <= t.hps + t.hdp) {
        out.Add({kIdFplineStart, kIdHorzDisplay, kIdHorzStart}, greater,
                Name(kIdFplineStart).c_str(), Name(kIdHorzDisplay).c_str(),
                Name(kIdHorzStart).c_str());
    }
    if (t.ht <= lineStart + lineWidth) {
        out.Add({kIdHorzTotal, kIdFplineStart, kIdFplineWidth}, greater, Name(kIdHorzTotal).c_str(),
                Name(kIdFplineStart).c_str(), Name(kIdFplineWidth).c_str());
    }
    if (t.vps > 0) {
        out.Add({kIdVertStart}, "Warning: %s must be 0 when Panel Type is STN.\n",
                Name(kIdVertStart).c_str());
    }
}

void CheckMemorySize(config::WorkingConfig& config, Findings& out) {
    const std::uint32_t required = GetFieldValue(config, kIdRequiredVram);
    const std::uint32_t total = GetFieldValue(config, kIdAvailableMemory);
    const std::uint32_t start = GetFieldValue(config, kIdMainStart);
    if (required > total) {
        out.Add({kIdAvailableMemory}, "Warning: %s is %u KB, but %u KB is required.\n",
                Name(kIdAvailableMemory).c_str(), total / 1024, (required + start) / 1024);
    } else if (required + start > total) {
        out.Add({kIdMainStart}, "Warning: The %s will cause the displayed image to exceed %u KB.\n",
                Name(kIdMainStart).c_str(), total / 1024);
    }
}

// The bits of a register that some field describes.
std::uint32_t DefinedBits(std::uint32_t reg) {
    std::uint32_t bits = 0;
    for (const FIELD_DESC& field : kFieldTable) {
        if ((field.Attributes & ffREGISTER) && !(field.Attributes & ffRESERVED) &&
            field.Register == reg) {
            bits |= field.Mask;
        }
    }
    return bits;
}

// "Warning: REG[10h] bits 7, 31:26 set, but should be RESERVED.\n": the runs
// of stray bits from the lowest up.
void ReportStrayBits(std::uint32_t reg, std::uint32_t stray, Findings& out) {
    std::string runs;
    for (int bit = 0; bit < 32;) {
        if (!(stray >> bit & 1)) {
            ++bit;
            continue;
        }
        int high = bit;
        while (high < 31 && (stray >> (high + 1) & 1)) {
            ++high;
        }
        runs += ' ';
        if (high != bit) {
            runs += std::to_string(high) + ':';
        }
        runs += std::to_string(bit) + ',';
        bit = high + 1;
    }
    runs.pop_back();
    const bool single = (stray & (stray - 1)) == 0;
    out.Add({}, "Warning: REG[%02Xh] bit%s%s set, but should be RESERVED.\n", reg,
            single ? "" : "s", runs.c_str());
}

void CheckReservedBits(const config::WorkingConfig& config, Findings& out) {
    for (int position = 0; position < config.EntryCount && position < HAL_MAX_REGS; ++position) {
        const RegEntry& entry = config.Record.Regs[position];
        if (entry.Index >= riRESERVED_FIRST) {
            continue;
        }
        if (const std::uint32_t stray = entry.Value & ~DefinedBits(entry.Index)) {
            ReportStrayBits(entry.Index, stray, out);
        }
    }
}

// A start address clamped to the field's maximum means the SwivelView offset
// did not fit.
void CheckSwivelOverflow(config::WorkingConfig& config, std::uint32_t id, const char* name,
                         Findings& out) {
    const std::size_t record = FindField(id);
    if (ReadFieldBits(config, record) == FieldMaxValue(kFieldTable[record].Mask)) {
        out.Add({id}, "Warning: The %s SwivelView calculation overflowed.\n", name);
    }
}

void CheckFirstBytePosition(config::WorkingConfig& config, const Timing& t, Findings& out) {
    std::uint32_t pixels = 0;
    if (t.swivelView == 90) {
        pixels = t.vdp / (GetFieldValue(config, kIdVertDoubling) + 1);
    } else if (t.swivelView == 180) {
        pixels = t.hdp / (GetFieldValue(config, kIdHorzDoubling) + 1);
    } else {
        return;
    }
    const std::uint32_t bytes = pixels * t.bpp / 8;
    const std::uint32_t pad = (4 - bytes % 4) % 4;
    if (pad != 0) {
        out.Add({kIdMainStart}, "Warning: First byte of display memory starts at address %u.\n",
                GetFieldValue(config, kIdMainStart) + pad);
    }
}

} // namespace

std::vector<Finding> ErrorFindings(config::WorkingConfig& config) {
    Findings out;
    const Timing t = ReadTiming(config);
    if (t.bpp != 1 && t.bpp != 2 && t.bpp != 4 && t.bpp != 8 && t.bpp != 16) {
        out.Add({kIdBitsPerPixel}, "ERROR: %u bits-per-pixel is an invalid setting.\n", t.bpp);
    }
    CheckMemoryBandwidth(t, out);
    if (t.ht <= t.hps + t.hdp) {
        out.Add({kIdHorzTotal, kIdHorzStart, kIdHorzDisplay},
                "ERROR: %s is less than or equal to (%s + %s).\n", Name(kIdHorzTotal).c_str(),
                Name(kIdHorzStart).c_str(), Name(kIdHorzDisplay).c_str());
    }
    // The pixels shown while the memory controller spends 8 MCLKs.
    if (t.mclk != 0 && t.ht < t.hdp + t.pclk * 8 / t.mclk) {
        out.Add({kIdHorzTotal, kIdHorzDisplay},
                "ERROR: (%s - %s) is less than the pixel count in 8 MCLKs.\n",
                Name(kIdHorzTotal).c_str(), Name(kIdHorzDisplay).c_str());
    }
    if (t.vt < t.vps + t.vdp) {
        out.Add({kIdVertTotal, kIdVertStart, kIdVertDisplay}, "ERROR: %s is less than (%s + %s).\n",
                Name(kIdVertTotal).c_str(), Name(kIdVertStart).c_str(),
                Name(kIdVertDisplay).c_str());
    }
    if (GetFieldValue(config, kIdHorzDoubling) != 0 ||
        GetFieldValue(config, kIdVertDoubling) != 0) {
        if (IsQuarterTurn(t.swivelView)) {
            out.Add({kIdHorzDoubling, kIdVertDoubling, kIdSwivelView},
                    "ERROR: Pixel doubling is not supported in %u degree SwivelView mode.\n",
                    t.swivelView);
        }
        if (t.bpp == 1 && IsSiblingChip(config.Record)) {
            out.Add({kIdHorzDoubling, kIdVertDoubling, kIdBitsPerPixel},
                    "ERROR: Pixel doubling is not supported in %u BPP mode.\n", 1u);
        }
    }
    return out.Take();
}

std::vector<Finding> WarningFindings(config::WorkingConfig& config) {
    Findings out;
    const Timing t = ReadTiming(config);
    if (GetFieldValue(config, kIdPclkDivideRaw) > 4) {
        out.Add({kIdPclkDivideRaw}, "Warning: %s is not between 0 and 4.\n", "PCLK Div");
    }
    if (GetFieldValue(config, kIdDataWidthRaw) == 3) {
        out.Add({kIdDataWidthRaw}, "Warning: %s is set to a RESERVED value of 3.\n",
                "Panel Data Width");
    }
    if (t.panelType == kPanelStn) {
        CheckStnTiming(config, t, out);
    }
    if (t.panelType == kPanelHrTft && t.vt < GetFieldValue(config, kIdPs12End) +
                                                 GetFieldValue(config, kIdFpframeStart) + t.vdp +
                                                 1) {
        out.Add({kIdVertTotal, kIdPs12End, kIdVertDisplay, kIdFpframeStart},
                "Warning: %s should be greater than (%s + %s + %s + 1) when Panel Type is "
                "HR-TFT.\n",
                Name(kIdVertTotal).c_str(), Name(kIdPs12End).c_str(), Name(kIdVertDisplay).c_str(),
                Name(kIdFpframeStart).c_str());
    }
    CheckMemorySize(config, out);
    for (const std::uint32_t id :
         {kIdClsPulseWidth, kIdPs2RisingEdge, kIdPs2ToggleWidth, kIdPs3SignalWidth}) {
        if (GetFieldValue(config, id) == 0) {
            out.Add({id}, "Warning: %s must be greater than 0.\n", Name(id).c_str());
        }
    }
    CheckReservedBits(config, out);
    if (t.swivelView != 0) {
        CheckSwivelOverflow(config, kIdMainStart, "Main Start Addr", out);
        CheckSwivelOverflow(config, kIdPipStart, "PIP+ Start Addr", out);
    }
    CheckFirstBytePosition(config, t, out);
    return out.Take();
}

std::string ValidateErrors(config::WorkingConfig& config, std::size_t room) {
    return Join(ErrorFindings(config), room);
}

std::string ValidateWarnings(config::WorkingConfig& config, std::size_t room) {
    return Join(WarningFindings(config), room);
}

} // namespace k7r::regs
