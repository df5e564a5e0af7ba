#pragma once

#include "config/hal_struct.h"

#include <string>
#include <string_view>

namespace k7r::config {

struct FlagName {
    HAL_U32 bit;
    std::string_view name;
};

// The record's Flags bits by name, in bit order.
inline constexpr FlagName kFlagNames[] = {
    {fFIXED_DIVMCLK, "fFIXED_DIVMCLK"},   {fFIXED_DIVPCLK, "fFIXED_DIVPCLK"},
    {fBCLK_DIVIDEBY2, "fBCLK_DIVIDEBY2"}, {fNO_CLOCK_CHIP, "fNO_CLOCK_CHIP"},
    {fNO_USB_SUPPORT, "fNO_USB_SUPPORT"}, {fHRTFT_INUSE, "fHRTFT_INUSE"},
    {fFIXED_STRIDE, "fFIXED_STRIDE"},
};

// The names of the flags set, joined by "|", or "0" when none is; bits
// without a name are left out.
std::string FlagNames(HAL_U32 flags);

} // namespace k7r::config
