#include "regs/register_table.h"

#include "config/hal_struct.h"

namespace k7r::regs {

// The offset and the identifier of a register, both from the public header's
// definition of its name, so that the two cannot differ.
#define K7R_REGISTER(identifier) identifier, #identifier

// Offset, identifier, full name.
constexpr std::array<REG_DESC, kRegisterCount> kRegisterTable{{
    // Display controller
    {K7R_REGISTER(REG0000_PRODUCT_INFORMATION), "Product Information Register"},
    {K7R_REGISTER(REG0004_MEMORY_CLOCK_CONFIG), "Memory Clock Configuration Register"},
    {K7R_REGISTER(REG0008_PIXEL_CLOCK_CONFIG), "Pixel Clock Configuration Register"},
    {K7R_REGISTER(REG000C_PANEL_TYPE_MOD_RATE), "Panel Type and MOD Rate Register"},
    {K7R_REGISTER(REG0010_DISPLAY_SETTINGS), "Display Settings Register"},
    {K7R_REGISTER(REG0014_POWER_SAVE_CONFIG), "Power Save Configuration Register"},
    {K7R_REGISTER(REG0018_LOOKUP_TABLE_WRITE), "Look-Up Table Write Register"},
    {K7R_REGISTER(REG001C_LOOKUP_TABLE_READ), "Look-Up Table Read Register"},
    {K7R_REGISTER(REG0020_HORZ_TOTAL), "Horizontal Total Register"},
    {K7R_REGISTER(REG0024_HORZ_DISP_PERIOD), "Horizontal Display Period Register"},
    {K7R_REGISTER(REG0028_HORZ_DISP_PERIOD_START),
     "Horizontal Display Period Start Position Register"},
    {K7R_REGISTER(REG002C_FPLINE_START_PULSE), "FPLINE Register"},
    {K7R_REGISTER(REG0030_VERT_TOTAL), "Vertical Total Register"},
    {K7R_REGISTER(REG0034_VERT_DISP_PERIOD), "Vertical Display Period Register"},
    {K7R_REGISTER(REG0038_VERT_DISP_PERIOD_START),
     "Vertical Display Period Start Position Register"},
    {K7R_REGISTER(REG003C_FPFRAME_START_PULSE), "FPFRAME Register"},
    {K7R_REGISTER(REG0040_DISP_START_ADDRESS), "Main Window Display Start Address Register"},
    {K7R_REGISTER(REG0044_LINE_ADDRESS_OFFSET), "Main Window Line Address Offset Register"},
    {K7R_REGISTER(REG0048_EXTENDED_PANEL_TYPE), "Extended Panel Type Register"},
    {K7R_REGISTER(REG0050_PIP_DISP_START_ADDRESS), "PIP+ Window Display Start Address Register"},
    {K7R_REGISTER(REG0054_PIP_LINE_ADDRESS_OFFSET), "PIP+ Window Line Address Offset Register"},
    {K7R_REGISTER(REG0058_PIP_X_POSITIONS), "PIP+ Window X Positions Register"},
    {K7R_REGISTER(REG005C_PIP_Y_POSITIONS), "PIP+ Window Y Positions Register"},
    {K7R_REGISTER(REG0060_SPECIAL_PURPOSE), "Special Purpose Register"},
    {K7R_REGISTER(REG0064_GPIO_STATUS_CONTROL), "GPIO Status and Control Register"},
    {K7R_REGISTER(REG0068_GPO_CONTROL), "GPO Control Register"},
    {K7R_REGISTER(REG0070_PWM_CONFIG), "PWM Clock Configuration Register"},
    {K7R_REGISTER(REG0074_PWM_DUTY_CYCLE), "PWMOUT Duty Cycle Register"},
    {K7R_REGISTER(REG0080_SCRATCH_PAD_A), "Scratch Pad A Register"},
    {K7R_REGISTER(REG0084_SCRATCH_PAD_B), "Scratch Pad B Register"},
    {K7R_REGISTER(REG0088_SCRATCH_PAD_C), "Scratch Pad C Register"},
    {K7R_REGISTER(REG00A0_HRTFT_MODE_2_CLS_WIDTH), "HR-TFT CLS Width Register"},
    {K7R_REGISTER(REG00A4_HRTFT_MODE_2_PS1_RISING), "HR-TFT PS1 Rising Edge Register"},
    {K7R_REGISTER(REG00A8_HRTFT_MODE_2_PS2_RISING), "HR-TFT PS2 Rising Edge Register"},
    {K7R_REGISTER(REG00AC_HRTFT_MODE_2_PS2_TOGGLE), "HR-TFT PS2 Toggle Width Register"},
    {K7R_REGISTER(REG00B0_HRTFT_MODE_2_PS3_WIDTH), "HR-TFT PS3 Signal Width Register"},
    {K7R_REGISTER(REG00B4_HRTFT_MODE_2_REV_TOGGLE), "HR-TFT REV Toggle Point Register"},
    {K7R_REGISTER(REG00B8_HRTFT_MODE_2_PS12_END), "HR-TFT PS1/2 End Register"},
    {K7R_REGISTER(REG00BC_TYPE_2_TFT_CONFIG), "Type 2 TFT Configuration Register"},
    {K7R_REGISTER(REG00C0_CASIO_TFT_TIMING), "Casio TFT Timing Register"},
    {K7R_REGISTER(REG00D8_TYPE_3_TFT_CONFIG_0), "Type 3 TFT Configuration Register 0"},
    {K7R_REGISTER(REG00DC_TYPE_3_TFT_CONFIG_1), "Type 3 TFT Configuration Register 1"},
    {K7R_REGISTER(REG00E0_TYPE_3_TFT_PCLK_DIVIDE), "Type 3 TFT PCLK Divide Register"},
    {K7R_REGISTER(REG00E4_TYPE_3_TFT_PARTIAL_MODE),
     "Type 3 TFT Partial Mode Display Area Control Register"},
    {K7R_REGISTER(REG00E8_TYPE_3_TFT_PARTIAL_AREA_0),
     "Type 3 TFT Partial Area 0 Positions Register"},
    {K7R_REGISTER(REG00EC_TYPE_3_TFT_PARTIAL_AREA_1),
     "Type 3 TFT Partial Area 1 Positions Register"},
    {K7R_REGISTER(REG00F0_TYPE_3_TFT_PARTIAL_AREA_2),
     "Type 3 TFT Partial Area 2 Positions Register"},
    {K7R_REGISTER(REG00F4_TYPE_3_TFT_COMMAND_STORE), "Type 3 TFT Command Store Register"},
    {K7R_REGISTER(REG00F8_TYPE_3_TFT_MISC), "Type 3 TFT Miscellaneous Register"},
    // 2D engine
    {K7R_REGISTER(REG8000_BLT_CONTROL), "BitBLT Control Register"},
    {K7R_REGISTER(REG8004_BLT_STATUS), "BitBLT Status Register"},
    {K7R_REGISTER(REG8008_BLT_COMMAND_ROP), "BitBLT Command Register"},
    {K7R_REGISTER(REG800C_BLT_SOURCE_START_ADDR), "BitBLT Source Start Address Register"},
    {K7R_REGISTER(REG8010_BLT_DEST_START_ADDR), "BitBLT Destination Start Address Register"},
    {K7R_REGISTER(REG8014_BLT_MEMORY_ADDR_OFFSET), "BitBLT Memory Address Offset Register"},
    {K7R_REGISTER(REG8018_BLT_WIDTH), "BitBLT Width Register"},
    {K7R_REGISTER(REG801C_BLT_HEIGHT), "BitBLT Height Register"},
    {K7R_REGISTER(REG8020_BLT_BACKGROUND_COLOR), "BitBLT Background Color Register"},
    {K7R_REGISTER(REG8024_BLT_FOREGROUND_COLOR), "BitBLT Foreground Color Register"},
    // USB function controller (16-bit registers)
    {K7R_REGISTER(REG4000_USB_CONTROL), "USB Control Register"},
    {K7R_REGISTER(REG4002_USB_INT_ENABLE_0), "USB Interrupt Enable Register 0"},
    {K7R_REGISTER(REG4004_USB_INT_STATUS_0), "USB Interrupt Status Register 0"},
    {K7R_REGISTER(REG4006_USB_INT_ENABLE_1), "USB Interrupt Enable Register 1"},
    {K7R_REGISTER(REG4008_USB_INT_STATUS_1), "USB Interrupt Status Register 1"},
    {K7R_REGISTER(REG4010_USB_EP1_INDEX), "USB Endpoint 1 Index Register"},
    {K7R_REGISTER(REG4012_USB_EP1_RX_MAILBOX_DATA), "USB Endpoint 1 Receive Mailbox Data Register"},
    {K7R_REGISTER(REG4018_USB_EP2_INDEX), "USB Endpoint 2 Index Register"},
    {K7R_REGISTER(REG401A_USB_EP2_TX_MAILBOX_DATA),
     "USB Endpoint 2 Transmit Mailbox Data Register"},
    {K7R_REGISTER(REG401C_USB_EP2_INT_POLL_INTERVAL),
     "USB Endpoint 2 Interrupt Polling Interval Register"},
    {K7R_REGISTER(REG4020_USB_EP3_RX_FIFO_DATA), "USB Endpoint 3 Receive FIFO Data Register"},
    {K7R_REGISTER(REG4022_USB_EP3_RX_FIFO_COUNT), "USB Endpoint 3 Receive FIFO Count Register"},
    {K7R_REGISTER(REG4024_USB_EP3_RX_FIFO_STATUS), "USB Endpoint 3 Receive FIFO Status Register"},
    {K7R_REGISTER(REG4026_USB_EP3_MAX_PACKET_SIZE), "USB Endpoint 3 Maximum Packet Size Register"},
    {K7R_REGISTER(REG4028_USB_EP4_TX_FIFO_DATA), "USB Endpoint 4 Transmit FIFO Data Register"},
    {K7R_REGISTER(REG402A_USB_EP4_TX_FIFO_COUNT), "USB Endpoint 4 Transmit FIFO Count Register"},
    {K7R_REGISTER(REG402C_USB_EP4_TX_FIFO_STATUS), "USB Endpoint 4 Transmit FIFO Status Register"},
    {K7R_REGISTER(REG402E_USB_EP4_MAX_PACKET_SIZE), "USB Endpoint 4 Maximum Packet Size Register"},
    {K7R_REGISTER(REG4030_USB_REVISION), "USB Revision Register"},
    {K7R_REGISTER(REG4032_USB_USB_STATUS), "USB Status Register"},
    {K7R_REGISTER(REG4034_USB_FRAME_COUNTER_MSB), "USB Frame Counter MSB Register"},
    {K7R_REGISTER(REG4036_USB_FRAME_COUNTER_LSB), "USB Frame Counter LSB Register"},
    {K7R_REGISTER(REG4038_USB_EXT_REGISTER_INDEX), "USB Extended Register Index"},
    {K7R_REGISTER(REG403A_USB_EXT_REGISTER_DATA), "USB Extended Register Data"},
    {K7R_REGISTER(REG4040_USB_USBFC_INPUT_CONTROL), "USB FC Input Control Register"},
    {K7R_REGISTER(REG4042_USB_USBFC_OUTPUT_STATUS), "USB FC Output Status Register"},
    {K7R_REGISTER(REG4044_USB_PIN_IO_STATUS_DATA), "USB Pin Status / Pin Output Data Register"},
    {K7R_REGISTER(REG4046_USB_POS_INT_ENABLE), "USB Positive Interrupt Enable (Mask) Register"},
    {K7R_REGISTER(REG4048_USB_NEG_INT_ENABLE), "USB Negative Interrupt Enable (Mask) Register"},
    {K7R_REGISTER(REG404A_USB_POS_INT_STATUS), "USB Positive Interrupt Status/Clear Register"},
    {K7R_REGISTER(REG404C_USB_NEG_INT_STATUS), "USB Negative Interrupt Status/Clear Register"},
    {K7R_REGISTER(REG404E_USB_POS_INT_MASK_STATUS),
     "USB Positive Interrupt Masked Status Register"},
    {K7R_REGISTER(REG4050_USB_NEG_INT_MASK_STATUS),
     "USB Negative Interrupt Masked Status Register"},
    {K7R_REGISTER(REG4052_USB_SOFTWARE_RESET), "USB Software Reset Register"},
    {K7R_REGISTER(REG4054_USB_WAIT_STATE), "USB Wait State Register"},
    // Pseudo-registers of the initialization table
    {K7R_REGISTER(REG_POWER_OFF_DELAY), "LCD Panel Power Off Delay (in ms)"},
    {K7R_REGISTER(REG_POWER_ON_DELAY), "LCD Panel Power On Delay (in ms)"},
    {K7R_REGISTER(REG_END_OF_TABLE), "End of Registers Marker"},
}};

#undef K7R_REGISTER

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

std::optional<std::string_view> PseudoIndexName(std::uint32_t index) {
    switch (index) {
    case riDELAYOFF:
        return "riDELAYOFF";
    case riDELAYON:
        return "riDELAYON";
    case riREGEND:
        return "riREGEND";
    default:
        return std::nullopt;
    }
}

} // namespace k7r::regs
