#pragma once

#include <cstdint>

// Setting ids that the engine, the computations and validation name in code.
namespace k7r::regs {

inline constexpr std::uint32_t kIdDescription = 1;
inline constexpr std::uint32_t kIdClkI = 2;
inline constexpr std::uint32_t kIdClkI2 = 3;
inline constexpr std::uint32_t kIdRegPhysAddr = 4;
inline constexpr std::uint32_t kIdMemPhysAddr = 5;
inline constexpr std::uint32_t kIdPowerOffTime = 6;
inline constexpr std::uint32_t kIdPowerOnTime = 7;
inline constexpr std::uint32_t kIdGpioPowerMask = 8;
inline constexpr std::uint32_t kIdGpoPowerMask = 9;
inline constexpr std::uint32_t kIdFrameRate = 10;
inline constexpr std::uint32_t kIdRequiredVram = 11;
inline constexpr std::uint32_t kIdBclkDivide = 12;
inline constexpr std::uint32_t kIdBclkDivideList = 13;
inline constexpr std::uint32_t kIdAutoMclkDivide = 14;
inline constexpr std::uint32_t kIdAutoPclkDivide = 15;
inline constexpr std::uint32_t kIdClockChip = 16;
inline constexpr std::uint32_t kIdUsbEnable = 17;
inline constexpr std::uint32_t kIdAutoStride = 18;
inline constexpr std::uint32_t kIdPixelClock = 19;
inline constexpr std::uint32_t kIdMemoryClock = 20;
inline constexpr std::uint32_t kIdBusClock = 21;
inline constexpr std::uint32_t kIdPwmClock = 22;
inline constexpr std::uint32_t kIdAvailableMemory = 23;
inline constexpr std::uint32_t kIdPanelType = 24;
inline constexpr std::uint32_t kIdDisplayBufferSize = 28;
inline constexpr std::uint32_t kIdMclkDivide = 29;
inline constexpr std::uint32_t kIdMclkDivideRaw = 30;
inline constexpr std::uint32_t kIdBclkSource = 31;
inline constexpr std::uint32_t kIdPclkDivide = 32;
inline constexpr std::uint32_t kIdPclkDivideRaw = 33;
inline constexpr std::uint32_t kIdPclkSource = 34;
inline constexpr std::uint32_t kIdModRate = 36;
inline constexpr std::uint32_t kIdDataFormat = 39;
inline constexpr std::uint32_t kIdColorPanel = 40;
inline constexpr std::uint32_t kIdDataWidth = 41;
inline constexpr std::uint32_t kIdDataWidthRaw = 42;
inline constexpr std::uint32_t kIdHrTftResolution = 43;
inline constexpr std::uint32_t kIdBasicPanelType = 44;
inline constexpr std::uint32_t kIdVertDoubling = 45;
inline constexpr std::uint32_t kIdHorzDoubling = 46;
inline constexpr std::uint32_t kIdSwivelView = 52;
inline constexpr std::uint32_t kIdSwivelViewRaw = 53;
inline constexpr std::uint32_t kIdBitsPerPixel = 54;
inline constexpr std::uint32_t kIdHorzTotal = 67;
inline constexpr std::uint32_t kIdHorzDisplay = 68;
inline constexpr std::uint32_t kIdHorzStart = 69;
inline constexpr std::uint32_t kIdFplinePol = 70;
inline constexpr std::uint32_t kIdFplineWidth = 71;
inline constexpr std::uint32_t kIdFplineStart = 72;
inline constexpr std::uint32_t kIdVertTotal = 73;
inline constexpr std::uint32_t kIdVertDisplay = 74;
inline constexpr std::uint32_t kIdVertStart = 75;
inline constexpr std::uint32_t kIdFpframePol = 76;
inline constexpr std::uint32_t kIdFpframeWidth = 77;
inline constexpr std::uint32_t kIdFpframeStart = 78;
inline constexpr std::uint32_t kIdMainStart = 79;
inline constexpr std::uint32_t kIdMainLineOffset = 80;
inline constexpr std::uint32_t kIdExtPanelType = 82;
inline constexpr std::uint32_t kIdPipStart = 83;
inline constexpr std::uint32_t kIdPipLineOffset = 84;
inline constexpr std::uint32_t kIdPipXEnd = 85;
inline constexpr std::uint32_t kIdPipXStart = 86;
inline constexpr std::uint32_t kIdPipYEnd = 87;
inline constexpr std::uint32_t kIdPipYStart = 88;
inline constexpr std::uint32_t kIdGpioInputEnable = 96;
inline constexpr std::uint32_t kIdGpioConfig = 97;
inline constexpr std::uint32_t kIdGpioStatus = 98;
inline constexpr std::uint32_t kIdGpoControl = 99;
inline constexpr std::uint32_t kIdPwmDivide = 111;
inline constexpr std::uint32_t kIdPwmDivideRaw = 112;
inline constexpr std::uint32_t kIdPwmHigh = 113;
inline constexpr std::uint32_t kIdPwmSource = 114;
inline constexpr std::uint32_t kIdPwmEnabled = 115;
inline constexpr std::uint32_t kIdDutyCycle = 116;
inline constexpr std::uint32_t kIdClsPulseWidth = 120;
inline constexpr std::uint32_t kIdPs2RisingEdge = 122;
inline constexpr std::uint32_t kIdPs2ToggleWidth = 123;
inline constexpr std::uint32_t kIdPs3SignalWidth = 124;
inline constexpr std::uint32_t kIdPs12End = 126;
inline constexpr std::uint32_t kIdPclk1Divide = 144;
inline constexpr std::uint32_t kIdBltRop = 177;
inline constexpr std::uint32_t kIdBltOperation = 178;

} // namespace k7r::regs
