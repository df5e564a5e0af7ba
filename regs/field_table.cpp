#include "regs/field_table.h"

#include "regs/clock_tree.h"
#include "regs/converted_fields.h"
#include "regs/field_attributes.h"
#include "regs/panel_type.h"
#include "regs/record_settings.h"
#include "regs/value_lists.h"

namespace k7r::regs {
namespace {

// The field's bits, numbered as the register descriptions number them.
constexpr std::uint32_t Bits(unsigned hi, unsigned lo) {
    return static_cast<std::uint32_t>((0xFFFFFFFFull >> (31 - hi)) & (0xFFFFFFFFull << lo));
}

constexpr std::uint32_t Bit(unsigned bit) {
    return Bits(bit, bit);
}

// Formulas that many fields share.
constexpr std::string_view kFormulaEnabled = "%s \n   where { 0=Disabled | 1=Enabled }";
constexpr std::string_view kFormulaPlusOne = "%s + 1";
constexpr std::string_view kFormulaTimes2 = "%s * 2";
constexpr std::string_view kFormulaTimes4 = "%s * 4";
constexpr std::string_view kFormulaTimes8 = "%s * 8";

} // namespace

// In the order every list of settings shows them. Ids 25 and 26 describe both
// copies of the product and revision codes; the second pair of each converted
// field (29/30, 32/33, 41/42, 52/53, 111/112) shows the raw bits with a list.
constexpr std::array<FIELD_DESC, kFieldCount> kFieldTable{{
    // clang-format off
    // Record settings (HAL_STRUCT header fields)
    {.Id = 1, .Attributes = ffRECORD | ffTEXT,
     .Get = GetRecordSetting, .Max = MaxDescription, .Set = SetRecordSetting,
     .ShortName = "Cfg Desc",
     .LongName = "Configuration Description",
     .Help = "Describes this configuration in up to 255 characters of free text. The description "
             "is kept in the configuration record and is not used to program the chip."},
    {.Id = 2, .Attributes = ffRECORD,
     .Get = GetRecordSetting, .Set = SetRecordSetting, .ListText = ListFixed,
     .Units = "MHz", .ShortName = "CLKI Timing",
     .LongName = "CLKI Timing",
     .Help = "Sets the frequency of the CLKI input clock. When clock chip support is enabled, the "
             "clock chip is programmed to generate this frequency."},
    {.Id = 3, .Attributes = ffRECORD,
     .Get = GetRecordSetting, .Set = SetRecordSetting, .ListText = ListFixed,
     .Units = "MHz", .ShortName = "CLKI2 Timing",
     .LongName = "CLKI2 Timing",
     .Help = "Sets the frequency of the CLKI2 input clock. When clock chip support is enabled, "
             "the clock chip is programmed to generate this frequency."},
    {.Id = 4, .Attributes = ffRECORD | ffHEX,
     .Get = GetRecordSetting, .Set = SetRecordSetting,
     .ShortName = "Phys Reg Addr",
     .LongName = "Physical Register Address",
     .Help = "Sets the physical address of the K7R58C22 registers on the target platform. A value "
             "of 0 lets the system locate the registers automatically."},
    {.Id = 5, .Attributes = ffRECORD | ffHEX,
     .Get = GetRecordSetting, .Set = SetRecordSetting,
     .ShortName = "Phys Buff Addr",
     .LongName = "Physical Display Buffer Address",
     .Help = "Sets the physical address of the K7R58C22 display buffer on the target platform. A "
             "value of 0 lets the system locate the display buffer automatically."},
    {.Id = 6, .Attributes = ffRECORD,
     .Get = GetRecordSetting, .Set = SetRecordSetting,
     .Units = "ms", .ShortName = "LCD Pwr Off Time",
     .LongName = "LCD Power Off Time",
     .Help = "Sets the time delay, in milliseconds, between turning the LCD bias power off and "
             "making the LCD control signals inactive."},
    {.Id = 7, .Attributes = ffRECORD,
     .Get = GetRecordSetting, .Set = SetRecordSetting,
     .Units = "ms", .ShortName = "LCD Pwr On Time",
     .LongName = "LCD Power On Time",
     .Help = "Sets the time delay, in milliseconds, between making the LCD control signals active "
             "and turning the LCD bias power on. The register initialization table waits this "
             "long before it switches on the panel power pin."},
    {.Id = 8, .Attributes = ffRECORD,
     .Get = GetRecordSetting, .Set = SetRecordSetting,
     .ShortName = "GPIO Pwr Mask",
     .LongName = "GPIO LCD Power Pin Mask Bit"},
    {.Id = 9, .Attributes = ffRECORD,
     .Get = GetRecordSetting, .Set = SetRecordSetting,
     .ShortName = "GPO Pwr Mask",
     .LongName = "GPO LCD Power Pin Mask Bit"},
    {.Id = 10, .Attributes = ffRECORD,
     .Get = GetRecordSetting, .Set = SetRecordSetting,
     .Units = "Hz", .ShortName = "Frame Rate",
     .LongName = "Frame Rate",
     .Help = "Indicates the frame rate of the panel: the pixel clock divided by the product of "
             "the horizontal total and the vertical total. It is recalculated whenever a clock or "
             "panel timing changes."},
    {.Id = 11, .Attributes = ffRECORD,
     .Get = GetRecordSetting, .Set = SetRecordSetting,
     .ShortName = "Req VRAM", .LongName = "Required VRAM"},
    {.Id = 12, .Attributes = ffRECORD,
     .Get = GetRecordSetting, .Set = SetRecordSetting,
     .ShortName = "BCLK Div", .LongName = "BCLK Divide",
     .Help = "The divide ratio for BCLK.\n\n[ WARNING ]  Note that CNF6 must also be set "
             "manually. For further information, please refer to the Summary of Configuration "
             "Options (Section 5.5) of the Hardware Functional Specification."},
    {.Id = 13, .Attributes = ffRECORD | ffLIST,
     .Get = GetRecordSetting, .Set = SetRecordSetting, .ListText = ListFixed,
     .ShortName = "BCLK Div", .LongName = "BCLK Divide",
     .Help = "Selects the divide ratio for BCLK.\n\n[ WARNING ]  Note that CNF6 must also be set "
             "manually. For further information, please refer to the Summary of Configuration "
             "Options (Section 5.5) of the Hardware Functional Specification."},
    {.Id = 14, .Attributes = ffRECORD,
     .Get = GetRecordSetting, .Set = SetRecordSetting,
     .ShortName = "Auto MCLK Div",
     .LongName = "Automatic MCLK Divide"},
    {.Id = 15, .Attributes = ffRECORD,
     .Get = GetRecordSetting, .Set = SetRecordSetting,
     .ShortName = "Auto PCLK Div",
     .LongName = "Automatic PCLK Divide"},
    {.Id = 16, .Attributes = ffRECORD,
     .Get = GetRecordSetting, .Set = SetRecordSetting,
     .ShortName = "Clock Chip Sup",
     .LongName = "Clock Chip Support",
     .Help = "Enables external clock chip support, and reserves GPIO[3:1] for clock chip "
             "programming. Selecting an HR-TFT panel (which requires GPIO[3:0]) will disable this "
             "feature."},
    {.Id = 17, .Attributes = ffRECORD,
     .Get = GetRecordSetting, .Set = SetRecordSetting,
     .ShortName = "USB Enable", .LongName = "USB Enable",
     .Help = "Enables support for the integrated USB function controller, and reserves GPIO[7:4] "
             "for USB signals. These GPIO pins can then no longer be used to control panel power."},
    {.Id = 18, .Attributes = ffRECORD,
     .Get = GetRecordSetting, .Set = SetRecordSetting,
     .ShortName = "Auto Stride", .LongName = "Auto Stride",
     .Help = "When enabled, the display's line address offset (stride) is automatically "
             "calculated to match the display width.  If disabled, the stride can be forced to a "
             "user-selected value."},
    // Computed quantities and the composite panel type
    {.Id = 19, .Attributes = ffCOMPUTED,
     .Get = GetPixelClock, .Set = IgnoreSet,
     .Units = "MHz", .ShortName = "Pixel Clock",
     .LongName = "Pixel Clock",
     .Help = "Indicates the pixel clock (PCLK): the selected PCLK source divided by the PCLK "
             "divide ratio. The pixel clock, the horizontal total and the vertical total "
             "determine the frame rate."},
    {.Id = 20, .Attributes = ffCOMPUTED,
     .Get = GetMemoryClock, .Set = IgnoreSet,
     .Units = "MHz", .ShortName = "Mem Clock",
     .LongName = "Memory Clock",
     .Help = "Indicates the memory clock (MCLK): BCLK divided by the MCLK divide ratio. MCLK must "
             "be fast enough for the display to fetch its data at the selected color depth and "
             "SwivelView mode."},
    {.Id = 21, .Attributes = ffCOMPUTED,
     .Get = GetBusClock, .Set = IgnoreSet,
     .Units = "MHz", .ShortName = "Bus Clock",
     .LongName = "Bus Clock",
     .Help = "Indicates the bus clock (BCLK): CLKI divided by the BCLK divide ratio when the BCLK "
             "source is CLKI, or CLKI2 undivided when the source is CLKI2."},
    {.Id = 22, .Attributes = ffCOMPUTED,
     .Get = GetPwmClock, .Set = IgnoreSet,
     .Units = "MHz", .ShortName = "PWM Clock",
     .LongName = "Bus Clock",
     .Help = "Indicates the frequency of the PWMOUT signal: the selected PWMCLK source divided by "
             "the PWM clock divide ratio and by 256, the number of clocks in one PWMOUT period."},
    {.Id = 23, .Attributes = ffCOMPUTED,
     .Get = GetAvailableMemory, .Set = IgnoreSet,
     .ShortName = "Total Avail Vid Mem",
     .LongName = "Total Available Video Memory",
     .Help = "Indicates the amount of display memory built into the K7R58C22 (256 KB). The "
             "displayed image, starting at the main window display start address, must fit within "
             "it."},
    {.Id = 24, .Attributes = ffCOMPUTED | ffLIST,
     .Get = GetCompositePanelType, .Set = SetCompositePanelType, .ListText = ListFixed,
     .ShortName = "Panel Type",
     .LongName = "Panel Type",
     .Help = "Selects the panel type to use. Two registers (REG[0Ch-b1:0] and REG[48h-b3:0]) are "
             "changed by this selection."},
    // REG[00h] Product Information
    {.Id = 25, .Attributes = ffREGISTER | ffREADONLY, .Register = 0x00, .Mask = Bits(31, 26),
     .ShortName = "Product Code", .LongName = "Product Code"},
    {.Id = 26, .Attributes = ffREGISTER | ffREADONLY, .Register = 0x00, .Mask = Bits(25, 24),
     .ShortName = "Rev Code", .LongName = "Revision Code"},
    {.Id = 27, .Attributes = ffREGISTER | ffREADONLY | ffHEX, .Register = 0x00,
     .Mask = Bits(22, 16), .ShortName = "CNF Status", .LongName = "CNF[6:0] Status"},
    {.Id = 28, .Attributes = ffREGISTER | ffREADONLY, .Register = 0x00, .Mask = Bits(15, 8),
     .Get = GetDisplayBufferSize,
     .Formula = "%s * 4K", .Units = "bytes", .ShortName = "Disp Buff Size",
     .LongName = "Display Buffer Size"},
    {.Id = 25, .Attributes = ffREGISTER | ffREADONLY, .Register = 0x00, .Mask = Bits(7, 2),
     .ShortName = "Product Code", .LongName = "Product Code"},
    {.Id = 26, .Attributes = ffREGISTER | ffREADONLY, .Register = 0x00, .Mask = Bits(1, 0),
     .ShortName = "Rev Code", .LongName = "Revision Code"},
    // REG[04h], REG[08h] Clock configuration
    {.Id = 29, .Attributes = ffREGISTER, .Register = 0x04, .Mask = Bits(5, 4),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaPlusOne, .ShortName = "MCLK Div", .LongName = "MCLK Divide",
     .Help = "Selects the divide ratio applied to BCLK to produce the memory clock (MCLK), from 1 "
             "to 4."},
    {.Id = 30, .Attributes = ffREGISTER | ffLIST, .Register = 0x04, .Mask = Bits(5, 4),
     .ListText = ListFixed,
     .Formula = kFormulaPlusOne, .ShortName = "MCLK Div", .LongName = "MCLK Divide",
     .Help = "Selects the divide ratio for MCLK, the memory clock derived from BCLK."},
    {.Id = 31, .Attributes = ffREGISTER | ffLIST, .Register = 0x04, .Mask = Bit(0),
     .ListText = ListFixed,
     .Formula = "%s \n   where { 0=CLKI | 1=CLKI2 }", .ShortName = "BCLK Src",
     .LongName = "BCLK Source",
     .Help = "Selects the source of the bus clock (BCLK): CLKI, divided by the BCLK divide ratio, "
             "or CLKI2."},
    {.Id = 32, .Attributes = ffREGISTER, .Register = 0x08, .Mask = Bits(6, 4),
     .Get = GetPclkDivide, .Set = SetPclkDivide,
     .Formula = "%s \n   where { 0=1:1 | 1=2:1 | 2=3:1 | 3=4:1 | 4=8:1 }", .ShortName = "PCLK Div",
     .LongName = "PCLK Divide",
     .Help = "Selects the divide ratio applied to the PCLK source to produce the pixel clock "
             "(PCLK): 1, 2, 3, 4 or 8."},
    {.Id = 33, .Attributes = ffREGISTER | ffLIST, .Register = 0x08, .Mask = Bits(6, 4),
     .ListText = ListFixed,
     .Formula = "%s \n   where { 0=1:1 | 1=2:1 | 2=3:1 | 3=4:1 | 4=8:1 }", .ShortName = "PCLK Div",
     .LongName = "PCLK Divide",
     .Help = "Selects the divide ratio for PCLK, the pixel clock derived from the PCLK source. "
             "Values above 4 (8:1) are not valid."},
    {.Id = 34, .Attributes = ffREGISTER | ffLIST, .Register = 0x08, .Mask = Bits(1, 0),
     .ListText = ListFixed,
     .Formula = "%s \n   where { 0=MCLK | 1=BCLK | 2=CLKI | 3=CLKI2 }", .ShortName = "PCLK Src",
     .LongName = "PCLK Source",
     .Help = "Selects the source of the pixel clock (PCLK): MCLK, BCLK, CLKI or CLKI2."},
    // REG[0Ch] Panel Type and MOD Rate
    {.Id = 35, .Attributes = ffREGISTER | ffLIST, .Register = 0x0C, .Mask = Bit(24),
     .ListText = ListFixed,
     .Formula = kFormulaEnabled, .ShortName = "FPSHIFT Invert", .LongName = "FPSHIFT Invert",
     .Help = "When enabled, the FPSHIFT signal (the clock that shifts pixel data into the panel) "
             "is inverted."},
    {.Id = 36, .Attributes = ffREGISTER, .Register = 0x0C, .Mask = Bits(21, 16),
     .Formula = "%s \n   where DRDY toggles every { 0=FPFRAME | n=FPLINE*n }",
     .ShortName = "MOD Rate", .LongName = "MOD Rate"},
    {.Id = 38, .Attributes = ffREGISTER | ffLIST, .Register = 0x0C, .Mask = Bit(8),
     .ListText = ListFixed,
     .Formula = "%s \n   where { 0=Uses PS1 Timing | 1=Uses PS2 Timing }",
     .ShortName = "HR-TFT PS Mode", .LongName = "HR-TFT PS Mode",
     .Help = "Selects whether the 'Direct' HR-TFT panel signals use the PS1 timing or the PS2 "
             "timing."},
    {.Id = 39, .Attributes = ffREGISTER | ffLIST, .Register = 0x0C, .Mask = Bit(7),
     .ListText = ListFixed,
     .Formula = "%s \n   where { 0=Format1 | 1=Format2 }", .ShortName = "Panel Data Fmt",
     .LongName = "Panel Data Format",
     .Help = "Selects the data format of 8-bit color STN panels, Format 1 or Format 2. It has no "
             "effect for other panels."},
    {.Id = 40, .Attributes = ffREGISTER | ffLIST | ffMODE, .Register = 0x0C, .Mask = Bit(6),
     .ListText = ListFixed,
     .Formula = "%s \n   where { 0=Mono | 1=Color }", .ShortName = "Color Panel",
     .LongName = "Color/Mono Panel",
     .Help = "Selects whether the panel is monochrome or color."},
    {.Id = 41, .Attributes = ffREGISTER, .Register = 0x0C, .Mask = Bits(5, 4),
     .Get = GetDataWidth, .Set = SetDataWidth,
     .ShortName = "Panel Data Width", .LongName = "Panel Data Width",
     .Help = "Sets the width of the panel data bus in bits: 4, 8 or 16 for STN panels, 9, 12 or "
             "18 for TFT panels."},
    {.Id = 42, .Attributes = ffREGISTER | ffLIST, .Register = 0x0C, .Mask = Bits(5, 4),
     .ListText = ListDataWidth,
     .Formula = "%s \n   where { 0=4or9 | 1=8or12 | 2=16or18 | 3=RESERVED }",
     .ShortName = "Panel Data Width", .LongName = "Panel Data Width",
     .Help = "Selects the width of the panel data bus: 4, 8 or 16 bits for STN panels, 9, 12 or "
             "18 bits for TFT panels. The value 3 is reserved."},
    {.Id = 43, .Attributes = ffREGISTER | ffRESERVED, .Register = 0x0C, .Mask = Bit(3),
     .ListText = ListFixed,
     .Formula = "%s \n   where { 0=160x160 | 1=320x240 }", .ShortName = "HR-TFT Res",
     .LongName = "'Direct' HR-TFT Resolution",
     .Help = "Selects the resolution of the 'Direct' HR-TFT panel, 160x160 or 320x240."},
    {.Id = 44, .Attributes = ffREGISTER | ffLIST, .Register = 0x0C, .Mask = Bits(1, 0),
     .Set = SetBasicPanelType, .ListText = ListFixed,
     .Formula = "%s \n   where { 0=STN | 1=TFT | 2=Reserved | 3=HR-TFT}", .ShortName = "Panel Type",
     .LongName = "Panel Type",
     .Help = "Selects the type of panel between passive LCD, active matrix TFT, and 'Direct' "
             "HR-TFT. Selecting an HR-TFT panel reserves GPIO[3:0] for required HR-TFT signals."},
    // REG[10h] Display Settings
    {.Id = 45, .Attributes = ffREGISTER | ffLIST | ffMODE, .Register = 0x10, .Mask = Bit(25),
     .ListText = ListFixed,
     .Formula = kFormulaEnabled, .ShortName = "Vert Pixel Double",
     .LongName = "Vertical Pixel Doubling",
     .Help = "When enabled, every line of the image is shown twice, doubling the image "
             "vertically. Pixel doubling is not supported in the 90 and 270 degree SwivelView "
             "modes."},
    {.Id = 46, .Attributes = ffREGISTER | ffLIST | ffMODE, .Register = 0x10, .Mask = Bit(24),
     .ListText = ListFixed,
     .Formula = kFormulaEnabled, .ShortName = "Horz Pixel Double",
     .LongName = "Horizontal Pixel Doubling",
     .Help = "When enabled, every pixel of the image is shown twice, doubling the image "
             "horizontally. Pixel doubling is not supported in the 90 and 270 degree SwivelView "
             "modes."},
    {.Id = 47, .Attributes = ffREGISTER | ffLIST, .Register = 0x10, .Mask = Bit(23),
     .ListText = ListFixed,
     .Formula = "%s \n   where { 0=Not Blanked | 1=Blanked }", .ShortName = "Disp Blank",
     .LongName = "Display Blank",
     .Help = "Blanks the display. The contents of the display buffer are not changed."},
    {.Id = 48, .Attributes = ffREGISTER | ffLIST, .Register = 0x10, .Mask = Bit(22),
     .ListText = ListFixed,
     .Formula = "%s \n   where { 0=Dithering | 1=No Dithering }", .ShortName = "Dither Disable",
     .LongName = "Dithering Disable"},
    {.Id = 49, .Attributes = ffREGISTER | ffLIST, .Register = 0x10, .Mask = Bit(21),
     .ListText = ListFixed,
     .Formula = kFormulaEnabled, .ShortName = "Disp Blank Pol",
     .LongName = "Display Blank Polarity",
     .Help = "Selects the polarity of the panel data while the display is blanked."},
    {.Id = 50, .Attributes = ffREGISTER | ffLIST, .Register = 0x10, .Mask = Bit(20),
     .ListText = ListFixed,
     .Formula = kFormulaEnabled, .ShortName = "S/W Video Invert",
     .LongName = "Software Video Invert",
     .Help = "When enabled, the displayed image is inverted by hardware. The contents of the "
             "display buffer are not changed."},
    {.Id = 51, .Attributes = ffREGISTER | ffLIST, .Register = 0x10, .Mask = Bit(19),
     .ListText = ListFixed,
     .Formula = kFormulaEnabled, .ShortName = "PIP+ Win", .LongName = "PIP+ Window"},
    {.Id = 52, .Attributes = ffREGISTER | ffMODE, .Register = 0x10, .Mask = Bits(17, 16),
     .Get = GetSwivelView, .Set = SetSwivelView,
     .Formula = "%s \n   where { 0=0 | 1=90 | 2=180 | 3=270 } degrees", .Units = "degrees",
     .ShortName = "SwivelView", .LongName = "SwivelView Mode"},
    {.Id = 53, .Attributes = ffREGISTER | ffLIST | ffMODE, .Register = 0x10, .Mask = Bits(17, 16),
     .ListText = ListFixed,
     .Formula = "%s \n   where { 0=0 | 1=90 | 2=180 | 3=270 } degrees", .Units = "degrees",
     .ShortName = "SwivelView", .LongName = "SwivelView Mode",
     .Help = "Selects the rotation of the displayed image: 0, 90, 180 or 270 degrees. The display "
             "start address and the line address offset are recalculated for the selected "
             "rotation."},
    {.Id = 54, .Attributes = ffREGISTER | ffMODE, .Register = 0x10, .Mask = Bits(4, 0),
     .ListText = ListBitsPerPixel,
     .Units = "BPP", .ShortName = "Bits-Per-Pixel", .LongName = "Bits-Per-Pixel",
     .Help = "Selects the color depth of the display: 1, 2, 4, 8 or 16 bits per pixel. Changing "
             "it recalculates the line address offset and the required display memory."},
    // REG[14h] Power Save Configuration
    {.Id = 55, .Attributes = ffREGISTER | ffREADONLY | ffLIST, .Register = 0x14, .Mask = Bit(7),
     .ListText = ListFixed,
     .Formula = "%s \n   where { 0=VDP | 1=VNDP } LCD panel output", .ShortName = "VNDP Status",
     .LongName = "Vertical Non-Display Period Status"},
    {.Id = 56, .Attributes = ffREGISTER | ffREADONLY | ffLIST, .Register = 0x14, .Mask = Bit(6),
     .ListText = ListFixed,
     .Formula = "%s \n   where { 0=Powered Up | 1=Powered Down }", .ShortName = "Mem Pwr Save",
     .LongName = "Memory Controller Power Save Status"},
    {.Id = 57, .Attributes = ffREGISTER | ffLIST, .Register = 0x14, .Mask = Bit(4),
     .ListText = ListFixed,
     .Formula = kFormulaEnabled, .ShortName = "Pwr Save Mode", .LongName = "Power Save Mode"},
    {.Id = 58, .Attributes = ffREGISTER | ffRESERVED, .Register = 0x14, .Mask = Bit(0),
     .ListText = ListReservedZero,
     .Formula = "%s \n   where { 0=Forced Low | 1=Forced High }",
     .ShortName = "HR-TFT I/F GPO Ctrl", .LongName = "'Direct' HR-TFT LCD Interface GPO Control"},
    // REG[18h], REG[1Ch] Look-Up Table
    {.Id = 59, .Attributes = ffREGISTER | ffWRITEONLY, .Register = 0x18, .Mask = Bits(31, 24),
     .ShortName = "LUT Write Addr", .LongName = "LUT Write Address"},
    {.Id = 60, .Attributes = ffREGISTER | ffWRITEONLY, .Register = 0x18, .Mask = Bits(23, 16),
     .ShortName = "LUT Red Write Data", .LongName = "LUT Red Write Data"},
    {.Id = 61, .Attributes = ffREGISTER | ffWRITEONLY, .Register = 0x18, .Mask = Bits(15, 8),
     .ShortName = "LUT Green Write Data", .LongName = "LUT Green Write Data"},
    {.Id = 62, .Attributes = ffREGISTER | ffWRITEONLY, .Register = 0x18, .Mask = Bits(7, 0),
     .ShortName = "LUT Blue Write Data", .LongName = "LUT Blue Write Data"},
    {.Id = 63, .Attributes = ffREGISTER | ffWRITEONLY, .Register = 0x1C, .Mask = Bits(31, 24),
     .ShortName = "LUT Read Address", .LongName = "LUT Read Address"},
    {.Id = 64, .Attributes = ffREGISTER | ffREADONLY, .Register = 0x1C, .Mask = Bits(23, 16),
     .ShortName = "LUT Red Read Data", .LongName = "LUT Red Read Data"},
    {.Id = 65, .Attributes = ffREGISTER | ffREADONLY, .Register = 0x1C, .Mask = Bits(15, 8),
     .ShortName = "LUT Green Read Data", .LongName = "LUT Green Read Data"},
    {.Id = 66, .Attributes = ffREGISTER | ffREADONLY, .Register = 0x1C, .Mask = Bits(7, 0),
     .ShortName = "LUT Blue Read Data", .LongName = "LUT Blue Read Data"},
    // REG[20h] to REG[3Ch] Panel timing
    {.Id = 67, .Attributes = ffREGISTER, .Register = 0x20, .Mask = Bits(6, 0),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = "( %s + 1 ) * 8", .Units = "pixels", .ShortName = "Horz Total",
     .LongName = "Horizontal Total",
     .Help = "Sets the total number of pixels in one line, including the horizontal non-display "
             "period. The horizontal total is programmed in units of 8 pixels."},
    {.Id = 68, .Attributes = ffREGISTER | ffMODE, .Register = 0x24, .Mask = Bits(6, 0),
     .Get = GetLinear, .Min = MinHorzDisplay, .Max = MaxLinear, .Set = SetLinear,
     .ListText = ListFixed,
     .Formula = "( %s + 1 ) * 8", .Units = "pixels", .ShortName = "Horz Disp Period",
     .LongName = "Horizontal Display Period",
     .Help = "Sets the width of the display: the number of pixels shown in each line. The "
             "horizontal display period is programmed in units of 8 pixels."},
    {.Id = 69, .Attributes = ffREGISTER, .Register = 0x28, .Mask = Bits(9, 0),
     .Get = GetHorzStart, .Min = MinHorzStart, .Max = MaxHorzStart, .Set = SetHorzStart,
     .Formula = "\n   %s + { 22=STN | 5=TFT | 0=HR-TFT }", .Units = "pixels",
     .ShortName = "Horz Start Pos", .LongName = "Horizontal Display Period Start Position",
     .Help = "Sets the number of pixels from the start of the line to the first displayed pixel. "
             "The panel type adds a fixed number of pixels to the register value; for STN panels "
             "the position must be 22 (register value 0)."},
    {.Id = 70, .Attributes = ffREGISTER | ffLIST, .Register = 0x2C, .Mask = Bit(23),
     .ListText = ListFixed,
     .Formula = "%s \n   where { 0=Active Low | 1=Active High }", .ShortName = "FPLINE Pol",
     .LongName = "FPLINE Pulse Polarity",
     .Help = "Selects the polarity of the FPLINE (horizontal sync) pulse, active low or active "
             "high."},
    {.Id = 71, .Attributes = ffREGISTER, .Register = 0x2C, .Mask = Bits(22, 16),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaPlusOne, .Units = "pixels", .ShortName = "FPLINE Width",
     .LongName = "FPLINE Pulse Width",
     .Help = "Sets the width of the FPLINE (horizontal sync) pulse in pixels."},
    {.Id = 72, .Attributes = ffREGISTER, .Register = 0x2C, .Mask = Bits(9, 0),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaPlusOne, .Units = "pixels", .ShortName = "FPLINE Start",
     .LongName = "FPLINE Pulse Start Position",
     .Help = "Sets the start position of the FPLINE (horizontal sync) pulse in pixels. For STN "
             "panels it should lie after the end of the horizontal display period."},
    {.Id = 73, .Attributes = ffREGISTER, .Register = 0x30, .Mask = Bits(9, 0),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaPlusOne, .Units = "lines", .ShortName = "Vert Total",
     .LongName = "Vertical Total",
     .Help = "Sets the total number of lines in one frame, including the vertical non-display "
             "period."},
    {.Id = 74, .Attributes = ffREGISTER | ffMODE, .Register = 0x34, .Mask = Bits(9, 0),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear, .ListText = ListFixed,
     .Formula = kFormulaPlusOne, .Units = "lines", .ShortName = "Vert Disp Period",
     .LongName = "Vertical Display Period",
     .Help = "Sets the height of the display: the number of lines shown in each frame."},
    {.Id = 75, .Attributes = ffREGISTER, .Register = 0x38, .Mask = Bits(9, 0), .Units = "lines",
     .ShortName = "Vert Start Pos", .LongName = "Vertical Display Period Start Position",
     .Help = "Sets the number of lines from the start of the frame to the first displayed line. "
             "For STN panels it must be 0."},
    {.Id = 76, .Attributes = ffREGISTER | ffLIST, .Register = 0x3C, .Mask = Bit(23),
     .ListText = ListFixed,
     .Formula = "%s \n   where { 0=Active Low | 1=Active High }", .ShortName = "FPFRAME Pol",
     .LongName = "FPFRAME Pulse Polarity",
     .Help = "Selects the polarity of the FPFRAME (vertical sync) pulse, active low or active "
             "high."},
    {.Id = 77, .Attributes = ffREGISTER, .Register = 0x3C, .Mask = Bits(18, 16),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaPlusOne, .Units = "lines", .ShortName = "FPFRAME Width",
     .LongName = "FPFRAME Pulse Width",
     .Help = "Sets the width of the FPFRAME (vertical sync) pulse in lines."},
    {.Id = 78, .Attributes = ffREGISTER, .Register = 0x3C, .Mask = Bits(9, 0), .Units = "lines",
     .ShortName = "FPFRAME Start", .LongName = "FPFRAME Pulse Start Position",
     .Help = "Sets the start position of the FPFRAME (vertical sync) pulse in lines."},
    // REG[40h] to REG[48h] Main window and extended panel type
    {.Id = 79, .Attributes = ffREGISTER | ffMODE, .Register = 0x40, .Mask = Bits(16, 0),
     .Get = GetStartAddress, .Max = MaxMainStart, .Set = SetStartAddress,
     .Formula = "\n   %s * 4 - n\n   where { n=Calculated SwivelView Offset }", .Units = "bytes",
     .ShortName = "Main Start Addr", .LongName = "Main Window Display Start Address",
     .Help = "Sets the display start address for the main window of the panel. Typically, the "
             "start address should be set to zero. Manually changing this value should only be "
             "necessary for special purposes.\nThe display start address must be specified in "
             "multiples of 4."},
    {.Id = 80, .Attributes = ffREGISTER | ffMODE, .Register = 0x44, .Mask = Bits(9, 0),
     .Get = GetLineOffset, .Max = MaxLineOffset, .Set = SetLineOffset,
     .Formula = "\n   %s * 4", .Units = "bytes", .ShortName = "Main Addr Offset",
     .LongName = "Main Window Line Address Offset",
     .Help = "Sets the line address offset (stride) of the main window: the number of bytes from "
             "the start of one line to the start of the next in the display buffer. It is stored "
             "in multiples of 4 bytes, and is calculated automatically when Auto Stride is "
             "enabled."},
    {.Id = 81, .Attributes = ffREGISTER | ffLIST, .Register = 0x48, .Mask = Bit(8),
     .ListText = ListFixed,
     .Formula = kFormulaEnabled, .ShortName = "Data Compare Invert",
     .LongName = "Data Compare Invert Enable",
     .Help = "Enables the data compare invert function of the extended panel types."},
    {.Id = 82, .Attributes = ffREGISTER | ffLIST, .Register = 0x48, .Mask = Bits(3, 0),
     .Set = SetExtendedPanelType, .ListText = ListFixed,
     .Formula = "%s \n   where { 0=None | 1=TFT2 | 2=TFT3 | 1=TFT4 | 3=CasioTFT }",
     .ShortName = "Ext Panel Type", .LongName = "Extended Panel Type",
     .Help = "Overrides the normal Panel Type setting (REG[0Ch] bits 1:0) which allows selection "
             "of the alternate TFT panel types."},
    // REG[50h] to REG[5Ch] PIP+ window
    {.Id = 83, .Attributes = ffREGISTER, .Register = 0x50, .Mask = Bits(16, 0),
     .Get = GetStartAddress, .Set = SetStartAddress,
     .Formula = kFormulaTimes4, .Units = "bytes", .ShortName = "PIP+ Start Addr",
     .LongName = "PIP+ Display Start Address"},
    {.Id = 84, .Attributes = ffREGISTER, .Register = 0x54, .Mask = Bits(9, 0),
     .Get = GetLineOffset, .Set = SetLineOffset,
     .Formula = kFormulaTimes4, .Units = "bytes", .ShortName = "PIP+ Addr Offset",
     .LongName = "PIP+ Line Address Offset"},
    {.Id = 85, .Attributes = ffREGISTER, .Register = 0x58, .Mask = Bits(25, 16), .Units = "dwords",
     .ShortName = "PIP+ Win X End Pos", .LongName = "PIP+ Window X End Position"},
    {.Id = 86, .Attributes = ffREGISTER, .Register = 0x58, .Mask = Bits(9, 0), .Units = "dwords",
     .ShortName = "PIP+ Win X Start Pos", .LongName = "PIP+ Window X Start Position"},
    {.Id = 87, .Attributes = ffREGISTER, .Register = 0x5C, .Mask = Bits(25, 16), .Units = "lines",
     .ShortName = "PIP+ Win Y End Pos", .LongName = "PIP+ Window Y End Position"},
    {.Id = 88, .Attributes = ffREGISTER, .Register = 0x5C, .Mask = Bits(9, 0), .Units = "lines",
     .ShortName = "PIP+ Win Y Start Pos", .LongName = "PIP+ Window Y Start Position"},
    // REG[60h] Special Purpose
    {.Id = 89, .Attributes = ffREGISTER | ffRESERVED | ffWRITEONLY, .Register = 0x60,
     .Mask = Bits(23, 16), .ShortName = "S/W Reset", .LongName = "Software Reset"},
    {.Id = 90, .Attributes = ffREGISTER | ffRESERVED | ffLIST, .Register = 0x60, .Mask = Bit(9),
     .ListText = ListFixed,
     .Formula = kFormulaEnabled, .ShortName = "Mem Byte Swap Alter",
     .LongName = "Memory Byte Swap Alter"},
    {.Id = 91, .Attributes = ffREGISTER | ffRESERVED | ffLIST, .Register = 0x60, .Mask = Bit(8),
     .ListText = ListFixed,
     .Formula = kFormulaEnabled, .ShortName = "2D FG/BG Byte Swap",
     .LongName = "2D Foreground/Background Byte Swap Alter"},
    {.Id = 92, .Attributes = ffREGISTER | ffRESERVED | ffLIST, .Register = 0x60, .Mask = Bit(7),
     .ListText = ListFixed,
     .Formula = kFormulaEnabled, .ShortName = "2D Data Byte Swap",
     .LongName = "2D Data Byte Swap Alter"},
    {.Id = 93, .Attributes = ffREGISTER | ffRESERVED | ffLIST, .Register = 0x60, .Mask = Bit(6),
     .ListText = ListFixed,
     .Formula = kFormulaEnabled, .ShortName = "Data Word Swap",
     .LongName = "Display Data Word Swap"},
    {.Id = 94, .Attributes = ffREGISTER | ffRESERVED | ffLIST, .Register = 0x60, .Mask = Bit(5),
     .ListText = ListFixed,
     .Formula = kFormulaEnabled, .ShortName = "Data Byte Swap",
     .LongName = "Display Data Byte Swap Alter"},
    {.Id = 95, .Attributes = ffREGISTER | ffRESERVED | ffLIST, .Register = 0x60, .Mask = Bit(2),
     .ListText = ListFixed,
     .Formula = "%s \n   where { 0=No Effect | 1=Latched }", .ShortName = "Latch Byte",
     .LongName = "Latch Byte"},
    // REG[64h], REG[68h] GPIO and GPO
    {.Id = 96, .Attributes = ffREGISTER | ffHEX, .Register = 0x64, .Mask = Bits(31, 24),
     .ShortName = "GPIO Input", .LongName = "GPIO Input Enable"},
    {.Id = 97, .Attributes = ffREGISTER | ffHEX, .Register = 0x64, .Mask = Bits(23, 16),
     .ShortName = "GPIO Config", .LongName = "GPIO Config"},
    {.Id = 98, .Attributes = ffREGISTER | ffHEX, .Register = 0x64, .Mask = Bits(7, 0),
     .ShortName = "GPIO Status", .LongName = "GPIO Status"},
    {.Id = 99, .Attributes = ffREGISTER | ffHEX, .Register = 0x68, .Mask = Bits(10, 0),
     .ShortName = "GPO Control", .LongName = "GPO Control"},
    {.Id = 100, .Attributes = ffREGISTER, .Register = 0x68, .Mask = Bit(10),
     .ListText = ListGpoControl,
     .Formula = "%s [if Type 3 PDME]", .ShortName = "GPO10 Control", .LongName = "GPO10 Control",
     .Help = "Controls the GPO10 output pin. When a TFT Type 3 panel is selected, GPO10 carries "
             "the PDME signal and this bit selects its polarity."},
    {.Id = 101, .Attributes = ffREGISTER, .Register = 0x68, .Mask = Bit(9),
     .ListText = ListGpoControl,
     .Formula = "%s [if Type 3 XSBY]", .ShortName = "GPO9 Control", .LongName = "GPO9 Control",
     .Help = "Controls the GPO9 output pin. When a TFT Type 3 panel is selected, GPO9 carries the "
             "XSBY signal and this bit selects its polarity."},
    {.Id = 102, .Attributes = ffREGISTER, .Register = 0x68, .Mask = Bit(8),
     .ListText = ListGpoControl,
     .Formula = "%s [if Type 3 XOHV]", .ShortName = "GPO8 Control", .LongName = "GPO8 Control",
     .Help = "Controls the GPO8 output pin. When a TFT Type 3 panel is selected, GPO8 carries the "
             "XOHV signal and this bit selects its polarity."},
    {.Id = 103, .Attributes = ffREGISTER, .Register = 0x68, .Mask = Bit(7),
     .ListText = ListGpoControl,
     .Formula = "%s [if Type 3 XRESV]", .ShortName = "GPO7 Control", .LongName = "GPO7 Control",
     .Help = "Controls the GPO7 output pin. When a TFT Type 3 panel is selected, GPO7 carries the "
             "XRESV signal and this bit selects its polarity."},
    {.Id = 104, .Attributes = ffREGISTER, .Register = 0x68, .Mask = Bit(6),
     .ListText = ListGpoControl,
     .Formula = "%s [if Type 3 XRESH]", .ShortName = "GPO6 Control", .LongName = "GPO6 Control",
     .Help = "Controls the GPO6 output pin. When a TFT Type 3 panel is selected, GPO6 carries the "
             "XRESH signal and this bit selects its polarity."},
    {.Id = 105, .Attributes = ffREGISTER, .Register = 0x68, .Mask = Bit(5),
     .ListText = ListGpoControl,
     .Formula = "%s [if Type 3 PCLK2]", .ShortName = "GPO5 Control", .LongName = "GPO5 Control",
     .Help = "Controls the GPO5 output pin. When a TFT Type 3 panel is selected, GPO5 carries the "
             "PCLK2 signal and this bit selects its polarity."},
    {.Id = 106, .Attributes = ffREGISTER, .Register = 0x68, .Mask = Bit(4),
     .ListText = ListGpoControl,
     .Formula = "%s [if Type 3 PCLK1]", .ShortName = "GPO4 Control", .LongName = "GPO4 Control",
     .Help = "Controls the GPO4 output pin. When a TFT Type 3 panel is selected, GPO4 carries the "
             "PCLK1 signal and this bit selects its polarity."},
    {.Id = 107, .Attributes = ffREGISTER, .Register = 0x68, .Mask = Bit(3),
     .ListText = ListGpoControl,
     .ShortName = "GPO3 Control", .LongName = "GPO3 Control",
     .Help = "Controls the GPO3 output pin. The bit has no effect when a TFT Type 3 panel is "
             "selected."},
    {.Id = 108, .Attributes = ffREGISTER, .Register = 0x68, .Mask = Bit(2),
     .ListText = ListGpoControl,
     .Formula = "%s [if Type 3 XOEV as inverted logic]", .ShortName = "GPO2 Control",
     .LongName = "GPO2 Control",
     .Help = "Controls the GPO2 output pin. When a TFT Type 3 panel is selected, GPO2 carries the "
             "XOEV signal with inverted logic."},
    {.Id = 109, .Attributes = ffREGISTER, .Register = 0x68, .Mask = Bit(1),
     .ListText = ListGpoControl,
     .Formula = "%s [if Type 3 VCOM]", .ShortName = "GPO1 Control", .LongName = "GPO1 Control",
     .Help = "Controls the GPO1 output pin. When a TFT Type 3 panel is selected, GPO1 carries the "
             "VCOM signal and this bit selects its polarity."},
    {.Id = 110, .Attributes = ffREGISTER, .Register = 0x68, .Mask = Bit(0),
     .ListText = ListGpoControl,
     .ShortName = "GPO0 Control", .LongName = "GPO0 Control",
     .Help = "Controls the GPO0 output pin. The bit has no effect when a TFT Type 2 panel is "
             "selected."},
    // REG[70h], REG[74h] PWM clock
    {.Id = 111, .Attributes = ffREGISTER, .Register = 0x70, .Mask = Bits(7, 4),
     .Get = GetPwmDivide, .Set = SetPwmDivide,
     .Formula = "2 to the power of %s", .ShortName = "PWMCLK Div", .LongName = "PWM Clock Divide",
     .Help = "Sets the divide ratio applied to the PWMCLK source, a power of 2 from 1 to 32768."},
    {.Id = 112, .Attributes = ffREGISTER | ffLIST, .Register = 0x70, .Mask = Bits(7, 4),
     .ListText = ListPowerOfTwoDivide,
     .Formula = "2 to the power of %s", .ShortName = "PWMCLK Div", .LongName = "PWM Clock Divide",
     .Help = "Selects the divide ratio for the PWM clock, from 1:1 to 32768:1 in powers of 2."},
    {.Id = 113, .Attributes = ffREGISTER | ffLIST, .Register = 0x70, .Mask = Bit(3),
     .ListText = ListFixed,
     .Formula = "%s \n   where { 0=No Effect | 1=Forced High }", .ShortName = "PWMCLK High",
     .LongName = "PWM Clock Force High",
     .Help = "Forces the PWMOUT signal high, whatever the PWM clock and duty cycle settings."},
    {.Id = 114, .Attributes = ffREGISTER | ffLIST, .Register = 0x70, .Mask = Bits(2, 1),
     .ListText = ListFixed,
     .Formula = "%s\n   where { 0=CLKI | 1=CLKI2 | 2=BCLK | 3=PCLK }", .ShortName = "PWMCLK Src",
     .LongName = "PWMCLK Source",
     .Help = "Selects the source of the PWM clock: CLKI, CLKI2, BCLK or PCLK."},
    {.Id = 115, .Attributes = ffREGISTER | ffLIST, .Register = 0x70, .Mask = Bit(0),
     .ListText = ListFixed,
     .Formula = "%s \n   where { 0=General Purpose Output Pin | 1=Enabled }",
     .ShortName = "PWMCLK Enabled", .LongName = "PWM Clock Enabled",
     .Help = "Enables the PWM clock and its PWMOUT signal. When disabled, the PWMOUT pin is a "
             "general purpose output."},
    {.Id = 116, .Attributes = ffREGISTER | ffLIST, .Register = 0x74, .Mask = Bits(7, 0),
     .ListText = ListDutyCycle,
     .Formula = "High for %s times out of 256 clock periods", .Units = "cycles",
     .ShortName = "PWMOUT Duty Cycle", .LongName = "PWMOUT Duty Cycle",
     .Help = "Sets the duty cycle of the PWMOUT signal: the number of clock periods, out of every "
             "256, during which PWMOUT is high."},
    // REG[80h] to REG[88h] Scratch pads
    {.Id = 117, .Attributes = ffREGISTER, .Register = 0x80, .Mask = Bits(31, 0),
     .ShortName = "Scratch Pad A", .LongName = "Scratch Pad A"},
    {.Id = 118, .Attributes = ffREGISTER, .Register = 0x84, .Mask = Bits(31, 0),
     .ShortName = "Scratch Pad B", .LongName = "Scratch Pad B"},
    {.Id = 119, .Attributes = ffREGISTER, .Register = 0x88, .Mask = Bits(31, 0),
     .ShortName = "Scratch Pad C", .LongName = "Scratch Pad C"},
    // REG[A0h] to REG[B8h] 'Direct' HR-TFT timing
    {.Id = 120, .Attributes = ffREGISTER, .Register = 0xA0, .Mask = Bits(8, 0), .Units = "pixels",
     .ShortName = "CLS Pulse Width", .LongName = "CLS Pulse Width",
     .Help = "Sets the width of the CLS pulse of the 'Direct' HR-TFT interface in pixels. It must "
             "be greater than 0."},
    {.Id = 121, .Attributes = ffREGISTER, .Register = 0xA4, .Mask = Bits(5, 0), .Units = "pixels",
     .ShortName = "PS1 Rising Edge", .LongName = "PS1 Rising Edge",
     .Help = "Sets the position of the rising edge of the PS1 signal of the 'Direct' HR-TFT "
             "interface in pixels."},
    {.Id = 122, .Attributes = ffREGISTER, .Register = 0xA8, .Mask = Bits(7, 0), .Units = "pixels",
     .ShortName = "PS2 Rising Edge", .LongName = "PS2 Rising Edge",
     .Help = "Sets the position of the rising edge of the PS2 signal of the 'Direct' HR-TFT "
             "interface in pixels. It must be greater than 0."},
    {.Id = 123, .Attributes = ffREGISTER, .Register = 0xAC, .Mask = Bits(6, 0), .Units = "pixels",
     .ShortName = "PS2 Toggle Width", .LongName = "PS2 Toggle Width",
     .Help = "Sets the toggle width of the PS2 signal of the 'Direct' HR-TFT interface in pixels. "
             "It must be greater than 0."},
    {.Id = 124, .Attributes = ffREGISTER, .Register = 0xB0, .Mask = Bits(6, 0), .Units = "pixels",
     .ShortName = "PS3 Signal Width", .LongName = "PS3 Signal Width",
     .Help = "Sets the width of the PS3 signal of the 'Direct' HR-TFT interface in pixels. It "
             "must be greater than 0."},
    {.Id = 125, .Attributes = ffREGISTER, .Register = 0xB4, .Mask = Bits(4, 0), .Units = "pixels",
     .ShortName = "REV Toggle Point", .LongName = "REV Toggle Point",
     .Help = "Sets the position at which the REV signal of the 'Direct' HR-TFT interface toggles, "
             "in pixels."},
    {.Id = 126, .Attributes = ffREGISTER, .Register = 0xB8, .Mask = Bits(2, 0), .Units = "lines",
     .ShortName = "PS1/2 End", .LongName = "PS1/2 End",
     .Help = "Sets the line at which the PS1 and PS2 signals of the 'Direct' HR-TFT interface "
             "end."},
    // REG[BCh] Type 2 TFT
    {.Id = 127, .Attributes = ffREGISTER | ffLIST, .Register = 0xBC, .Mask = Bit(15),
     .ListText = ListFixed,
     .Formula = "%s \n   where signal is toggled every { 0=Line | 1=Frame }",
     .ShortName = "POL Type", .LongName = "POL Type",
     .Help = "Selects whether the POL signal of the TFT Type 2 panel toggles every line or every "
             "frame."},
    {.Id = 128, .Attributes = ffREGISTER | ffLIST, .Register = 0xBC, .Mask = Bits(13, 11),
     .ListText = ListFixed,
     .Units = "pixels", .ShortName = "AP Pulse Width", .LongName = "AP Pulse Width",
     .Help = "Selects the width of the AP pulse of the TFT Type 2 panel in pixels."},
    {.Id = 129, .Attributes = ffREGISTER | ffLIST, .Register = 0xBC, .Mask = Bits(9, 8),
     .ListText = ListFixed,
     .Units = "pixels", .ShortName = "AP Rising Edge", .LongName = "AP Rising Edge Position",
     .Help = "Selects the position of the rising edge of the AP pulse of the TFT Type 2 panel in "
             "pixels."},
    {.Id = 130, .Attributes = ffREGISTER | ffLIST, .Register = 0xBC, .Mask = Bits(4, 3),
     .ListText = ListFixed,
     .Units = "pixels", .ShortName = "VCLK Hold", .LongName = "VCLK Hold",
     .Help = "Selects the hold time of the VCLK signal of the TFT Type 2 panel in pixels."},
    {.Id = 131, .Attributes = ffREGISTER | ffLIST, .Register = 0xBC, .Mask = Bits(1, 0),
     .ListText = ListFixed,
     .Units = "pixels", .ShortName = "VCLK Setup", .LongName = "VCLK Setup",
     .Help = "Selects the setup time of the VCLK signal of the TFT Type 2 panel in pixels."},
    // REG[C0h] Casio TFT
    {.Id = 132, .Attributes = ffREGISTER, .Register = 0xC0, .Mask = Bits(29, 24), .Units = "pixels",
     .ShortName = "GPCK to STH", .LongName = "GPCK Rising Edge to STH Pulse",
     .Help = "Sets the delay, in pixels, from the rising edge of GPCK to the STH pulse of the "
             "Casio TFT panel."},
    {.Id = 133, .Attributes = ffREGISTER, .Register = 0xC0, .Mask = Bits(22, 16), .Units = "pixels",
     .ShortName = "GRES to FRP", .LongName = "GRES Falling Edge to FRP Toggle Point",
     .Help = "Sets the delay, in pixels, from the falling edge of GRES to the toggle point of FRP "
             "of the Casio TFT panel."},
    {.Id = 134, .Attributes = ffREGISTER, .Register = 0xC0, .Mask = Bits(13, 8), .Units = "pixels",
     .ShortName = "GRES to GPCK", .LongName = "GRES Falling Edge to GPCK Rising Edge",
     .Help = "Sets the delay, in pixels, from the falling edge of GRES to the rising edge of GPCK "
             "of the Casio TFT panel."},
    {.Id = 135, .Attributes = ffREGISTER, .Register = 0xC0, .Mask = Bits(5, 0), .Units = "pixels",
     .ShortName = "GPCK to GRES", .LongName = "GPCK Rising Edge to GRES Rising Edge",
     .Help = "Sets the delay, in pixels, from the rising edge of GPCK to the rising edge of GRES "
             "of the Casio TFT panel."},
    // REG[D8h] to REG[F8h] Type 3 TFT
    {.Id = 136, .Attributes = ffREGISTER, .Register = 0xD8, .Mask = Bits(31, 24),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaTimes2, .Units = "pixels", .ShortName = "POL Toggle",
     .LongName = "POL Toggle Position",
     .Help = "Sets the position at which the POL signal of the TFT Type 3 panel toggles, in "
             "pixels. The position is programmed in units of 2 pixels."},
    {.Id = 137, .Attributes = ffREGISTER, .Register = 0xD8, .Mask = Bits(23, 16),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaTimes2, .Units = "pixels", .ShortName = "OE Pulse Width",
     .LongName = "OE Pulse Width",
     .Help = "Sets the width of the OE pulse of the TFT Type 3 panel in pixels. The width is "
             "programmed in units of 2 pixels."},
    {.Id = 138, .Attributes = ffREGISTER, .Register = 0xD8, .Mask = Bits(15, 8),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaTimes2, .Units = "pixels", .ShortName = "OE Rising Edge",
     .LongName = "OE Rising Edge Position",
     .Help = "Sets the position of the rising edge of the OE pulse of the TFT Type 3 panel in "
             "pixels. The position is programmed in units of 2 pixels."},
    {.Id = 139, .Attributes = ffREGISTER, .Register = 0xDC, .Mask = Bits(31, 24),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaTimes2, .Units = "pixels", .ShortName = "XOEV End Position",
     .LongName = "XOEV End Position",
     .Help = "Sets the end position of the XOEV signal of the TFT Type 3 panel in pixels. The "
             "position is programmed in units of 2 pixels."},
    {.Id = 140, .Attributes = ffREGISTER, .Register = 0xDC, .Mask = Bits(23, 16),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaTimes2, .Units = "pixels", .ShortName = "XOEV Start Position",
     .LongName = "XOEV Start Position",
     .Help = "Sets the start position of the XOEV signal of the TFT Type 3 panel in pixels. The "
             "position is programmed in units of 2 pixels."},
    {.Id = 141, .Attributes = ffREGISTER, .Register = 0xDC, .Mask = Bits(15, 8),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaTimes2, .Units = "pixels", .ShortName = "CPV Pulse Width",
     .LongName = "CPV Pulse Width Position",
     .Help = "Sets the width of the CPV pulse of the TFT Type 3 panel in pixels. The width is "
             "programmed in units of 2 pixels."},
    {.Id = 142, .Attributes = ffREGISTER, .Register = 0xDC, .Mask = Bits(7, 0),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaTimes2, .Units = "pixels", .ShortName = "VCOM Toggle",
     .LongName = "VCOM Toggle Position",
     .Help = "Sets the position at which the VCOM signal of the TFT Type 3 panel toggles, in "
             "pixels. The position is programmed in units of 2 pixels."},
    {.Id = 143, .Attributes = ffREGISTER | ffLIST, .Register = 0xE0, .Mask = Bits(5, 4),
     .ListText = ListFixed,
     .ShortName = "PCLK2 Divide", .LongName = "PCLK2 Divide Rate",
     .Help = "Selects the divide ratio of the PCLK2 signal of the TFT Type 3 panel, from 64:1 to "
             "512:1."},
    {.Id = 144, .Attributes = ffREGISTER | ffLIST, .Register = 0xE0, .Mask = Bits(3, 0),
     .ListText = ListPowerOfTwoDivide,
     .ShortName = "PCLK1 Divide", .LongName = "PCLK1 Divide Rate",
     .Help = "Selects the divide ratio of the PCLK1 signal of the TFT Type 3 panel, a power of 2 "
             "from 2:1."},
    {.Id = 145, .Attributes = ffREGISTER, .Register = 0xE4, .Mask = Bits(13, 8),
     .ShortName = "Partial Mode Refresh", .LongName = "Partial Mode Display Refresh Cycle",
     .Help = "Sets the refresh cycle of the TFT Type 3 Partial Mode Display."},
    {.Id = 146, .Attributes = ffREGISTER | ffLIST, .Register = 0xE4, .Mask = Bit(4),
     .ListText = ListFixed,
     .Formula = kFormulaEnabled, .ShortName = "Partial Mode Enable",
     .LongName = "Partial Mode Display Enable",
     .Help = "Enables the TFT Type 3 Partial Mode Display. The partial display areas are set with "
             "the Area 0, 1 and 2 settings."},
    {.Id = 147, .Attributes = ffREGISTER | ffLIST, .Register = 0xE4, .Mask = Bit(3),
     .ListText = ListFixed,
     .Formula = "%s \n   where { 0=Stripe | 1=Block }", .ShortName = "Partial Mode Type",
     .LongName = "Partial Mode Display Type",
     .Help = "Selects the type of Partial Mode Display. Stripe means that only the Y Position "
             "registers are used in calculating the partial display, where Block means that both "
             "the X and Y Position registers are used."},
    {.Id = 148, .Attributes = ffREGISTER | ffLIST, .Register = 0xE4, .Mask = Bit(2),
     .ListText = ListFixed,
     .Formula = kFormulaEnabled, .ShortName = "Area 2 Enable",
     .LongName = "Partial Mode Display Area 2 Enable",
     .Help = "Enables partial display area 2 of the TFT Type 3 Partial Mode Display."},
    {.Id = 149, .Attributes = ffREGISTER | ffLIST, .Register = 0xE4, .Mask = Bit(1),
     .ListText = ListFixed,
     .Formula = kFormulaEnabled, .ShortName = "Area 1 Enable",
     .LongName = "Partial Mode Display Area 1 Enable",
     .Help = "Enables partial display area 1 of the TFT Type 3 Partial Mode Display."},
    {.Id = 150, .Attributes = ffREGISTER | ffLIST, .Register = 0xE4, .Mask = Bit(0),
     .ListText = ListFixed,
     .Formula = kFormulaEnabled, .ShortName = "Area 0 Enable",
     .LongName = "Partial Mode Display Area 0 Enable",
     .Help = "Enables partial display area 0 of the TFT Type 3 Partial Mode Display."},
    {.Id = 151, .Attributes = ffREGISTER, .Register = 0xE8, .Mask = Bits(29, 24),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaTimes8, .Units = "lines", .ShortName = "Area 0 Y End",
     .LongName = "Partial Area 0 Y End Position",
     .Help = "Sets the Y end position of partial display area 0 of the TFT Type 3 Partial Mode "
             "Display, in lines. The position is programmed in units of 8 lines."},
    {.Id = 152, .Attributes = ffREGISTER, .Register = 0xE8, .Mask = Bits(21, 16),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaTimes8, .Units = "pixels", .ShortName = "Area 0 X End",
     .LongName = "Partial Area 0 X End Position",
     .Help = "Sets the X end position of partial display area 0 of the TFT Type 3 Partial Mode "
             "Display, in pixels. The position is programmed in units of 8 pixels."},
    {.Id = 153, .Attributes = ffREGISTER, .Register = 0xE8, .Mask = Bits(13, 8),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaTimes8, .Units = "lines", .ShortName = "Area 0 Y Start",
     .LongName = "Partial Area 0 Y Start Position",
     .Help = "Sets the Y start position of partial display area 0 of the TFT Type 3 Partial Mode "
             "Display, in lines. The position is programmed in units of 8 lines."},
    {.Id = 154, .Attributes = ffREGISTER, .Register = 0xE8, .Mask = Bits(5, 0),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaTimes8, .Units = "pixels", .ShortName = "Area 0 X Start",
     .LongName = "Partial Area 0 X Start Position",
     .Help = "Sets the X start position of partial display area 0 of the TFT Type 3 Partial Mode "
             "Display, in pixels. The position is programmed in units of 8 pixels."},
    {.Id = 155, .Attributes = ffREGISTER, .Register = 0xEC, .Mask = Bits(29, 24),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaTimes8, .Units = "lines", .ShortName = "Area 1 Y End",
     .LongName = "Partial Area 1 Y End Position",
     .Help = "Sets the Y end position of partial display area 1 of the TFT Type 3 Partial Mode "
             "Display, in lines. The position is programmed in units of 8 lines."},
    {.Id = 156, .Attributes = ffREGISTER, .Register = 0xEC, .Mask = Bits(21, 16),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaTimes8, .Units = "pixels", .ShortName = "Area 1 X End",
     .LongName = "Partial Area 1 X End Position",
     .Help = "Sets the X end position of partial display area 1 of the TFT Type 3 Partial Mode "
             "Display, in pixels. The position is programmed in units of 8 pixels."},
    {.Id = 157, .Attributes = ffREGISTER, .Register = 0xEC, .Mask = Bits(13, 8),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaTimes8, .Units = "lines", .ShortName = "Area 1 Y Start",
     .LongName = "Partial Area 1 Y Start Position",
     .Help = "Sets the Y start position of partial display area 1 of the TFT Type 3 Partial Mode "
             "Display, in lines. The position is programmed in units of 8 lines."},
    {.Id = 158, .Attributes = ffREGISTER, .Register = 0xEC, .Mask = Bits(5, 0),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaTimes8, .Units = "pixels", .ShortName = "Area 1 X Start",
     .LongName = "Partial Area 1 X Start Position",
     .Help = "Sets the X start position of partial display area 1 of the TFT Type 3 Partial Mode "
             "Display, in pixels. The position is programmed in units of 8 pixels."},
    {.Id = 159, .Attributes = ffREGISTER, .Register = 0xF0, .Mask = Bits(29, 24),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaTimes8, .Units = "lines", .ShortName = "Area 2 Y End",
     .LongName = "Partial Area 2 Y End Position",
     .Help = "Sets the Y end position of partial display area 2 of the TFT Type 3 Partial Mode "
             "Display, in lines. The position is programmed in units of 8 lines."},
    {.Id = 160, .Attributes = ffREGISTER, .Register = 0xF0, .Mask = Bits(21, 16),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaTimes8, .Units = "pixels", .ShortName = "Area 2 X End",
     .LongName = "Partial Area 2 X End Position",
     .Help = "Sets the X end position of partial display area 2 of the TFT Type 3 Partial Mode "
             "Display, in pixels. The position is programmed in units of 8 pixels."},
    {.Id = 161, .Attributes = ffREGISTER, .Register = 0xF0, .Mask = Bits(13, 8),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaTimes8, .Units = "lines", .ShortName = "Area 2 Y Start",
     .LongName = "Partial Area 2 Y Start Position",
     .Help = "Sets the Y start position of partial display area 2 of the TFT Type 3 Partial Mode "
             "Display, in lines. The position is programmed in units of 8 lines."},
    {.Id = 162, .Attributes = ffREGISTER, .Register = 0xF0, .Mask = Bits(5, 0),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaTimes8, .Units = "pixels", .ShortName = "Area 2 X Start",
     .LongName = "Partial Area 2 X Start Position",
     .Help = "Sets the X start position of partial display area 2 of the TFT Type 3 Partial Mode "
             "Display, in pixels. The position is programmed in units of 8 pixels."},
    {.Id = 163, .Attributes = ffREGISTER, .Register = 0xF4, .Mask = Bits(27, 16),
     .ShortName = "Command 1 Store", .LongName = "Command 1 Store",
     .Help = "Holds command 1, which the K7R58C22 sends to the source driver IC of the TFT Type 3 "
             "panel on a command send request."},
    {.Id = 164, .Attributes = ffREGISTER, .Register = 0xF4, .Mask = Bits(11, 0),
     .ShortName = "Command 0 Store", .LongName = "Command 0 Store",
     .Help = "Holds command 0, which the K7R58C22 sends to the source driver IC of the TFT Type 3 "
             "panel on a command send request."},
    {.Id = 165, .Attributes = ffREGISTER, .Register = 0xF8, .Mask = Bits(9, 8),
     .ShortName = "Source Driver IC#", .LongName = "Source Driver IC Number",
     .Help = "Selects the source driver IC of the TFT Type 3 panel to which the stored commands "
             "are sent."},
    {.Id = 166, .Attributes = ffREGISTER | ffLIST, .Register = 0xF8, .Mask = Bit(0),
     .ListText = ListFixed,
     .Formula = kFormulaEnabled, .ShortName = "Command Send Req",
     .LongName = "Command Send Request",
     .Help = "Enables the K7R58C22 to send the command in the next non-display period."},
    // REG[8000h] to REG[8024h] BitBLT engine
    {.Id = 167, .Attributes = ffREGISTER | ffLIST, .Register = 0x8000, .Mask = Bit(18),
     .ListText = ListFixed,
     .ShortName = "16pp Color", .LongName = "BitBLT Color Format"},
    {.Id = 168, .Attributes = ffREGISTER | ffLIST, .Register = 0x8000, .Mask = Bit(17),
     .ListText = ListFixed,
     .ShortName = "Dest Linear", .LongName = "BitBLT Destination Linear"},
    {.Id = 169, .Attributes = ffREGISTER | ffLIST, .Register = 0x8000, .Mask = Bit(16),
     .ListText = ListFixed,
     .ShortName = "Source Linear", .LongName = "BitBLT Source Linear"},
    {.Id = 170, .Attributes = ffREGISTER | ffWRITEONLY | ffLIST, .Register = 0x8000, .Mask = Bit(0),
     .ListText = ListFixed,
     .ShortName = "BitBLT Enable", .LongName = "BitBLT Enable"},
    {.Id = 171, .Attributes = ffREGISTER | ffREADONLY, .Register = 0x8004, .Mask = Bits(28, 24),
     .ShortName = "Used FIFO Entries", .LongName = "BitBLT Number of Used FIFO Entries"},
    {.Id = 172, .Attributes = ffREGISTER | ffREADONLY, .Register = 0x8004, .Mask = Bits(20, 16),
     .ShortName = "Free FIFO Entries", .LongName = "BitBLT Number of Free FIFO Entries"},
    {.Id = 173, .Attributes = ffREGISTER | ffREADONLY | ffLIST, .Register = 0x8004, .Mask = Bit(6),
     .ListText = ListFixed,
     .ShortName = "FIFO Not Empty", .LongName = "BitBLT FIFO Not Empty Status"},
    {.Id = 174, .Attributes = ffREGISTER | ffREADONLY | ffLIST, .Register = 0x8004, .Mask = Bit(5),
     .ListText = ListFixed,
     .ShortName = "FIFO Half Full", .LongName = "BitBLT FIFO Half Full Status"},
    {.Id = 175, .Attributes = ffREGISTER | ffREADONLY | ffLIST, .Register = 0x8004, .Mask = Bit(4),
     .ListText = ListFixed,
     .ShortName = "FIFO Full", .LongName = "BitBLT FIFO Full Status"},
    {.Id = 176, .Attributes = ffREGISTER | ffREADONLY | ffLIST, .Register = 0x8004, .Mask = Bit(0),
     .ListText = ListFixed,
     .ShortName = "BitBLT Busy", .LongName = "BitBLT Busy Status"},
    {.Id = 177, .Attributes = ffREGISTER | ffLIST, .Register = 0x8008, .Mask = Bits(19, 16),
     .ListText = ListRasterOperation,
     .ShortName = "BitBLT ROP Code", .LongName = "BitBLT Raster Operation Code/Color Expansion"},
    {.Id = 178, .Attributes = ffREGISTER | ffLIST, .Register = 0x8008, .Mask = Bits(3, 0),
     .ListText = ListFixed,
     .ShortName = "BitBLT Operation", .LongName = "BitBLT Operation Code"},
    {.Id = 179, .Attributes = ffREGISTER, .Register = 0x800C, .Mask = Bits(20, 0), .Units = "bytes",
     .ShortName = "Source Start Address", .LongName = "BitBLT Source Start Address"},
    {.Id = 180, .Attributes = ffREGISTER, .Register = 0x8010, .Mask = Bits(20, 0), .Units = "bytes",
     .ShortName = "Destination Start Address", .LongName = "BitBLT Destination Start Address"},
    {.Id = 181, .Attributes = ffREGISTER, .Register = 0x8014, .Mask = Bits(10, 0),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaTimes2, .Units = "bytes", .ShortName = "Memory Address Offset",
     .LongName = "BitBLT Memory Address Offset"},
    {.Id = 182, .Attributes = ffREGISTER, .Register = 0x8018, .Mask = Bits(9, 0),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaPlusOne, .Units = "pixels", .ShortName = "BitBLT Width",
     .LongName = "BitBLT Width"},
    {.Id = 183, .Attributes = ffREGISTER, .Register = 0x801C, .Mask = Bits(9, 0),
     .Get = GetLinear, .Min = MinLinear, .Max = MaxLinear, .Set = SetLinear,
     .Formula = kFormulaPlusOne, .Units = "lines", .ShortName = "BitBLT Height",
     .LongName = "BitBLT Height"},
    {.Id = 184, .Attributes = ffREGISTER | ffHEX, .Register = 0x8020, .Mask = Bits(15, 0),
     .ShortName = "Background Color", .LongName = "BitBLT Background Color"},
    {.Id = 185, .Attributes = ffREGISTER | ffHEX, .Register = 0x8024, .Mask = Bits(15, 0),
     .ShortName = "Foreground Color", .LongName = "BitBLT Foreground Color"},
    // clang-format on
}};

std::size_t FindField(std::uint32_t id) {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        if (kFieldTable[i].Id == id) {
            return i;
        }
    }
    return kFieldCount;
}

} // namespace k7r::regs
