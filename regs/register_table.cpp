#include "regs/register_table.h"

#include "config/hal_struct.h"

namespace k7r {

// Offset, identifier, full name.
constexpr std::array<REG_DESC, kRegisterCount> kRegisterTable{{
    // Display controller
    {0x0000, "REG0000_PRODUCT_INFORMATION", "Product Information Register"},
    {0x0004, "REG0004_MEMORY_CLOCK_CONFIG", "Memory Clock Configuration Register"},
    {0x0008, "REG0008_PIXEL_CLOCK_CONFIG", "Pixel Clock Configuration Register"},
    {0x000C, "REG000C_PANEL_TYPE_MOD_RATE", "Panel Type and MOD Rate Register"},
    {0x0010, "REG0010_DISPLAY_SETTINGS", "Display Settings Register"},
    {0x0014, "REG0014_POWER_SAVE_CONFIG", "Power Save Configuration Register"},
    {0x0018, "REG0018_LOOKUP_TABLE_WRITE", "Look-Up Table Write Register"},
    {0x001C, "REG001C_LOOKUP_TABLE_READ", "Look-Up Table Read Register"},
    {0x0020, "REG0020_HORZ_TOTAL", "Horizontal Total Register"},
    {0x0024, "REG0024_HORZ_DISP_PERIOD", "Horizontal Display Period Register"},
    {0x0028, "REG0028_HORZ_DISP_PERIOD_START", "Horizontal Display Period Start Position Register"},
    {0x002C, "REG002C_FPLINE_START_PULSE", "FPLINE Register"},
    {0x0030, "REG0030_VERT_TOTAL", "Vertical Total Register"},
    {0x0034, "REG0034_VERT_DISP_PERIOD", "Vertical Display Period Register"},
    {0x0038, "REG0038_VERT_DISP_PERIOD_START", "Vertical Display Period Start Position Register"},
    {0x003C, "REG003C_FPFRAME_START_PULSE", "FPFRAME Register"},
    {0x0040, "REG0040_DISP_START_ADDRESS", "Main Window Display Start Address Register"},
    {0x0044, "REG0044_LINE_ADDRESS_OFFSET", "Main Window Line Address Offset Register"},
    {0x0048, "REG0048_EXTENDED_PANEL_TYPE", "Extended Panel Type Register"},
    {0x0050, "REG0050_PIP_DISP_START_ADDRESS", "PIP+ Window Display Start Address Register"},
    {0x0054, "REG0054_PIP_LINE_ADDRESS_OFFSET", "PIP+ Window Line Address Offset Register"},
    {0x0058, "REG0058_PIP_X_POSITIONS", "PIP+ Window X Positions Register"},
    {0x005C, "REG005C_PIP_Y_POSITIONS", "PIP+ Window Y Positions Register"},
    {0x0060, "REG0060_SPECIAL_PURPOSE", "Special Purpose Register"},
    {0x0064, "REG0064_GPIO_STATUS_CONTROL", "GPIO Status and Control Register"},
    {0x0068, "REG0068_GPO_CONTROL", "GPO Control Register"},
    {0x0070, "REG0070_PWM_CONFIG", "PWM Clock Configuration Register"},
    {0x0074, "REG0074_PWM_DUTY_CYCLE", "PWMOUT Duty Cycle Register"},
    {0x0080, "REG0080_SCRATCH_PAD_A", "Scratch Pad A Register"},
    {0x0084, "REG0084_SCRATCH_PAD_B", "Scratch Pad B Register"},
    {0x0088, "REG0088_SCRATCH_PAD_C", "Scratch Pad C Register"},
    {0x00A0, "REG00A0_HRTFT_MODE_2_CLS_WIDTH", "HR-TFT CLS Width Register"},
    {0x00A4, "REG00A4_HRTFT_MODE_2_PS1_RISING", "HR-TFT PS1 Rising Edge Register"},
    {0x00A8, "REG00A8_HRTFT_MODE_2_PS2_RISING", "HR-TFT PS2 Rising Edge Register"},
    {0x00AC, "REG00AC_HRTFT_MODE_2_PS2_TOGGLE", "HR-TFT PS2 Toggle Width Register"},
    {0x00B0, "REG00B0_HRTFT_MODE_2_PS3_WIDTH", "HR-TFT PS3 Signal Width Register"},
    {0x00B4, "REG00B4_HRTFT_MODE_2_REV_TOGGLE", "HR-TFT REV Toggle Point Register"},
    {0x00B8, "REG00B8_HRTFT_MODE_2_PS12_END", "HR-TFT PS1/2 End Register"},
    {0x00BC, "REG00BC_TYPE_2_TFT_CONFIG", "Type 2 TFT Configuration Register"},
    {0x00C0, "REG00C0_CASIO_TFT_TIMING", "Casio TFT Timing Register"},
    {0x00D8, "REG00D8_TYPE_3_TFT_CONFIG_0", "Type 3 TFT Configuration Register 0"},
    {0x00DC, "REG00DC_TYPE_3_TFT_CONFIG_1", "Type 3 TFT Configuration Register 1"},
    {0x00E0, "REG00E0_TYPE_3_TFT_PCLK_DIVIDE", "Type 3 TFT PCLK Divide Register"},
    {0x00E4, "REG00E4_TYPE_3_TFT_PARTIAL_MODE",
     "Type 3 TFT Partial Mode Display Area Control Register"},
    {0x00E8, "REG00E8_TYPE_3_TFT_PARTIAL_AREA_0", "Type 3 TFT Partial Area 0 Positions Register"},
    {0x00EC, "REG00EC_TYPE_3_TFT_PARTIAL_AREA_1", "Type 3 TFT Partial Area 1 Positions Register"},
    {0x00F0, "REG00F0_TYPE_3_TFT_PARTIAL_AREA_2", "Type 3 TFT Partial Area 2 Positions Register"},
    {0x00F4, "REG00F4_TYPE_3_TFT_COMMAND_STORE", "Type 3 TFT Command Store Register"},
    {0x00F8, "REG00F8_TYPE_3_TFT_MISC", "Type 3 TFT Miscellaneous Register"},
    // 2D engine
    {0x8000, "REG8000_BLT_CONTROL", "BitBLT Control Register"},
    {0x8004, "REG8004_BLT_STATUS", "BitBLT Status Register"},
    {0x8008, "REG8008_BLT_COMMAND_ROP", "BitBLT Command Register"},
    {0x800C, "REG800C_BLT_SOURCE_START_ADDR", "BitBLT Source Start Address Register"},
    {0x8010, "REG8010_BLT_DEST_START_ADDR", "BitBLT Destination Start Address Register"},
    {0x8014, "REG8014_BLT_MEMORY_ADDR_OFFSET", "BitBLT Memory Address Offset Register"},
    {0x8018, "REG8018_BLT_WIDTH", "BitBLT Width Register"},
    {0x801C, "REG801C_BLT_HEIGHT", "BitBLT Height Register"},
    {0x8020, "REG8020_BLT_BACKGROUND_COLOR", "BitBLT Background Color Register"},
    {0x8024, "REG8024_BLT_FOREGROUND_COLOR", "BitBLT Foreground Color Register"},
    // USB function controller (16-bit registers)
    {0x4000, "REG4000_USB_CONTROL", "USB Control Register"},
    {0x4002, "REG4002_USB_INT_ENABLE_0", "USB Interrupt Enable Register 0"},
    {0x4004, "REG4004_USB_INT_STATUS_0", "USB Interrupt Status Register 0"},
    {0x4006, "REG4006_USB_INT_ENABLE_1", "USB Interrupt Enable Register 1"},
    {0x4008, "REG4008_USB_INT_STATUS_1", "USB Interrupt Status Register 1"},
    {0x4010, "REG4010_USB_EP1_INDEX", "USB Endpoint 1 Index Register"},
    {0x4012, "REG4012_USB_EP1_RX_MAILBOX_DATA", "USB Endpoint 1 Receive Mailbox Data Register"},
    {0x4018, "REG4018_USB_EP2_INDEX", "USB Endpoint 2 Index Register"},
    {0x401A, "REG401A_USB_EP2_TX_MAILBOX_DATA", "USB Endpoint 2 Transmit Mailbox Data Register"},
    {0x401C, "REG401C_USB_EP2_INT_POLL_INTERVAL",
     "USB Endpoint 2 Interrupt Polling Interval Register"},
    {0x4020, "REG4020_USB_EP3_RX_FIFO_DATA", "USB Endpoint 3 Receive FIFO Data Register"},
    {0x4022, "REG4022_USB_EP3_RX_FIFO_COUNT", "USB Endpoint 3 Receive FIFO Count Register"},
    {0x4024, "REG4024_USB_EP3_RX_FIFO_STATUS", "USB Endpoint 3 Receive FIFO Status Register"},
    {0x4026, "REG4026_USB_EP3_MAX_PACKET_SIZE", "USB Endpoint 3 Maximum Packet Size Register"},
    {0x4028, "REG4028_USB_EP4_TX_FIFO_DATA", "USB Endpoint 4 Transmit FIFO Data Register"},
    {0x402A, "REG402A_USB_EP4_TX_FIFO_COUNT", "USB Endpoint 4 Transmit FIFO Count Register"},
    {0x402C, "REG402C_USB_EP4_TX_FIFO_STATUS", "USB Endpoint 4 Transmit FIFO Status Register"},
    {0x402E, "REG402E_USB_EP4_MAX_PACKET_SIZE", "USB Endpoint 4 Maximum Packet Size Register"},
    {0x4030, "REG4030_USB_REVISION", "USB Revision Register"},
    {0x4032, "REG4032_USB_USB_STATUS", "USB Status Register"},
    {0x4034, "REG4034_USB_FRAME_COUNTER_MSB", "USB Frame Counter MSB Register"},
    {0x4036, "REG4036_USB_FRAME_COUNTER_LSB", "USB Frame Counter LSB Register"},
    {0x4038, "REG4038_USB_EXT_REGISTER_INDEX", "USB Extended Register Index"},
    {0x403A, "REG403A_USB_EXT_REGISTER_DATA", "USB Extended Register Data"},
    {0x4040, "REG4040_USB_USBFC_INPUT_CONTROL", "USB FC Input Control Register"},
    {0x4042, "REG4042_USB_USBFC_OUTPUT_STATUS", "USB FC Output Status Register"},
    {0x4044, "REG4044_USB_PIN_IO_STATUS_DATA", "USB Pin Status / Pin Output Data Register"},
    {0x4046, "REG4046_USB_POS_INT_ENABLE", "USB Positive Interrupt Enable (Mask) Register"},
    {0x4048, "REG4048_USB_NEG_INT_ENABLE", "USB Negative Interrupt Enable (Mask) Register"},
    {0x404A, "REG404A_USB_POS_INT_STATUS", "USB Positive Interrupt Status/Clear Register"},
    {0x404C, "REG404C_USB_NEG_INT_STATUS", "USB Negative Interrupt Status/Clear Register"},
    {0x404E, "REG404E_USB_POS_INT_MASK_STATUS", "USB Positive Interrupt Masked Status Register"},
    {0x4050, "REG4050_USB_NEG_INT_MASK_STATUS", "USB Negative Interrupt Masked Status Register"},
    {0x4052, "REG4052_USB_SOFTWARE_RESET", "USB Software Reset Register"},
    {0x4054, "REG4054_USB_WAIT_STATE", "USB Wait State Register"},
    // Pseudo-registers of the initialization table
    {riDELAYOFF, "REG_POWER_OFF_DELAY", "LCD Panel Power Off Delay (in ms)"},
    {riDELAYON, "REG_POWER_ON_DELAY", "LCD Panel Power On Delay (in ms)"},
    {riREGEND, "REG_END_OF_TABLE", "End of Registers Marker"},
}};

// Extended index, identifier, full name.
constexpr std::array<USB_EXT_DESC, kUsbExtRegisterCount> kUsbExtRegisterTable{{
    {0x00, "EXT_USB_VENDOR_ID_MSB", "EXT USB Vendor ID MSB Register"},
    {0x01, "EXT_USB_VENDOR_ID_LSB", "EXT USB Vendor ID LSB Register"},
    {0x02, "EXT_USB_PRODUCT_ID_MSB", "EXT USB Product ID MSB Register"},
    {0x03, "EXT_USB_PRODUCT_ID_LSB", "EXT USB Product ID LSB Register"},
    {0x04, "EXT_USB_RELEASE_NUMBER_MSB", "EXT USB Release Number MSB Register"},
    {0x05, "EXT_USB_RELEASE_NUMBER_LSB", "EXT USB Release Number LSB Register"},
    {0x06, "EXT_USB_RX_FIFO_FULL_THRESHOLD", "EXT USB Receive FIFO Almost Full Threshold Register"},
    {0x07, "EXT_USB_TX_FIFO_EMPTY_THRESHOLD",
     "EXT USB Transmit FIFO Almost Empty Threshold Register"},
    {0x08, "EXT_USB_USB_CONTROL", "EXT USB Control Register"},
    {0x09, "EXT_USB_MAX_POWER", "EXT USB Maximum Power Consumption Register"},
    {0x0A, "EXT_USB_PACKET_CONTROL", "EXT USB Packet Control Register"},
    {0x0B, "EXT_USB_RESERVED", "EXT USB Reserved Register"},
    {0x0C, "EXT_USB_FIFO_CONTROL", "EXT USB FIFO Control Register"},
}};

namespace {

const REG_DESC* FindRegister(std::uint32_t offset) {
    for (std::size_t i = 0; i < kRegisterCount; ++i) {
        if (kRegisterTable[i].Offset == offset) {
            return &kRegisterTable[i];
        }
    }
    return nullptr;
}

constexpr std::string_view kUnknownRegister = "<ERROR>";

} // namespace

std::string_view GetRegisterIdentifier(std::uint32_t offset) {
    const REG_DESC* reg = FindRegister(offset);
    return reg ? reg->Identifier : kUnknownRegister;
}

std::string_view GetRegisterName(std::uint32_t offset) {
    const REG_DESC* reg = FindRegister(offset);
    return reg ? reg->Name : kUnknownRegister;
}

} // namespace k7r
