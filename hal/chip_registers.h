#pragma once

#include <array>
#include <cstdint>

// The chip's register offsets and bits that code names directly: the chip
// access layer, the board emulator, the settings engine and the viewer all
// take them from here.
namespace k7r::hal::reg {

inline constexpr std::uint32_t kProductInfo = 0x00;     // read-only; 15:8 buffer size in 4 KB
inline constexpr std::uint32_t kMemoryClock = 0x04;     // bits 5:4 MCLK divide - 1
inline constexpr std::uint32_t kPixelClock = 0x08;      // 1:0 source, 6:4 divide
inline constexpr std::uint32_t kPanelType = 0x0C;       // bit 6 colour panel
inline constexpr std::uint32_t kDisplaySettings = 0x10; // see below
inline constexpr std::uint32_t kPowerSave = 0x14;       // bit 4 mode, 6 and 7 status
inline constexpr std::uint32_t kLutWrite = 0x18;        // index << 24 | R << 16 | G << 8 | B
inline constexpr std::uint32_t kLutRead = 0x1C;         // index << 24 written, RGB read
inline constexpr std::uint32_t kHorzTotal = 0x20;       // bits 6:0, (n + 1) x 8 pixels
inline constexpr std::uint32_t kHorzDisplay = 0x24;     // bits 6:0, (n + 1) x 8 pixels
inline constexpr std::uint32_t kVertTotal = 0x30;       // bits 9:0, n + 1 lines
inline constexpr std::uint32_t kVertDisplay = 0x34;     // bits 9:0, n + 1 lines
inline constexpr std::uint32_t kMainStart = 0x40;       // bits 16:0, 32-bit words
inline constexpr std::uint32_t kMainOffset = 0x44;      // bits 9:0, 32-bit words per line
inline constexpr std::uint32_t kSpecialPurpose = 0x60;  // bits 23:16 software reset
inline constexpr std::uint32_t kGpio = 0x64;       // 31:24 input enable, 23:16 config, 7:0 status
inline constexpr std::uint32_t kGpoControl = 0x68; // bits 10:0, one a pin
inline constexpr std::uint32_t kUsbSoftwareReset = 0x4052; // 16-bit

inline constexpr std::uint32_t kCnf6 = 1u << 22;              // REG[00h]: bus clock halved
inline constexpr std::uint32_t kColourPanel = 1u << 6;        // REG[0Ch]
inline constexpr std::uint32_t kBitsPerPixelMask = 0x1F;      // REG[10h]
inline constexpr std::uint32_t kSwivelShift = 16;             // REG[10h] bits 17:16
inline constexpr std::uint32_t kDisplayBlank = 1u << 23;      // REG[10h]
inline constexpr std::uint32_t kHorzDoubling = 1u << 24;      // REG[10h]
inline constexpr std::uint32_t kVertDoubling = 1u << 25;      // REG[10h]
inline constexpr std::uint32_t kPowerSaveMode = 1u << 4;      // REG[14h]
inline constexpr std::uint32_t kMemoryPoweredDown = 1u << 6;  // REG[14h]
inline constexpr std::uint32_t kVerticalNonDisplay = 1u << 7; // REG[14h]
inline constexpr std::uint32_t kGpioConfigShift = 16;         // REG[64h]: a set bit drives
inline constexpr std::uint32_t kGpio1Clock = 1u << 1;         // REG[64h] status
inline constexpr std::uint32_t kGpio2Data = 1u << 2;          // REG[64h] status

inline constexpr std::uint16_t kUsbResetValue = 0x00A8;
inline constexpr std::uint32_t kChipResetValue = 0x005B0000;

// The USB function controller answers at 4000h to 4FFFh with 16-bit
// registers; every other register of the chip is 32 bits wide.
constexpr bool IsUsbRegister(std::uint32_t offset) {
    return offset >= 0x4000 && offset <= 0x4FFF;
}

// The divides of REG[08h] bits 6:4 by raw value: 1 to 4, then 8 for every
// raw value from 4 up. The settings offer the first five.
inline constexpr std::array<std::uint32_t, 8> kPixelClockDivides = {1, 2, 3, 4, 8, 8, 8, 8};
inline constexpr std::size_t kPixelClockDivideChoices = 5;

constexpr std::uint32_t PixelClockDivide(std::uint32_t raw) {
    return kPixelClockDivides[raw & 7];
}

} // namespace k7r::hal::reg
