/*
 * The K7R58C22 configuration record, and the register names of the headers
 * that the configuration utility exports.
 *
 * One HAL_STRUCT lives as an initialised global in every program built on
 * the chip access layer; the configuration utility finds it inside program
 * images by its marker and patches it in place. The layout is fixed at 856
 * bytes with no padding. This header is plain C89, for C and C++ programs
 * alike.
 *
 * The exported headers:
 *
 *   appcfg.h  defines and initialises the record, named HalInfo unless
 *             HAL_STRUCT_NAME is defined to another name first. Include this
 *             header, then appcfg.h, in one source file of the program:
 *
 *                 #include <k7r58c22/hal_struct.h>
 *                 #include "appcfg.h"
 *
 *             and declare the record where other files need it:
 *
 *                 extern HAL_STRUCT HalInfo;
 *
 *             The record's CRC covers its bytes as the target stores them,
 *             so appcfg.h holds one CRC for big-endian targets and one for
 *             little-endian ones. It takes the big-endian one when the
 *             compiler predefines __BIG_ENDIAN__, or __BYTE_ORDER__ equal
 *             to __ORDER_BIG_ENDIAN__ (GCC and Clang do), or when the
 *             program defines HAL_BIG_ENDIAN before including it: define
 *             HAL_BIG_ENDIAN for a big-endian target whose compiler
 *             predefines neither, or the chip access layer there refuses
 *             the record as corrupted.
 *
 *   chip.h    defines the enumerations eReg and eUSBExtReg and, with them,
 *             one variable of each type named like it. A program that
 *             includes chip.h in two source files therefore fails to link
 *             (eReg defined twice): include it in one source file only, and
 *             use the REG names below wherever else a register offset is
 *             needed.
 */
#ifndef K7R58C22_HAL_STRUCT_H
#define K7R58C22_HAL_STRUCT_H

#include <stddef.h>

/* unsigned short is 16 bits and unsigned int 32 bits on every target that
 * carries a record (x86, x86-64, m68k); static checks below prove it. */
typedef unsigned char HAL_U8;
typedef unsigned short HAL_U16;
typedef unsigned int HAL_U32;

#define HAL_ID_STRING "58C22 HAL EXE"
#define HAL_CHIP_ID "58C22"
#define HAL_ENDIAN_MARK 0x1234
#define HAL_RECORD_SIZE 856
#define HAL_DESCRIPTION_SIZE 256
#define HAL_MAX_REGS 67

/* Register table pseudo-indices; any other index from 0xFFF0 up is reserved. */
#define riRESERVED_FIRST 0xFFF0
#define riDELAYOFF 0xFFFD
#define riDELAYON 0xFFFE
#define riREGEND 0xFFFF

/* Flags */
#define fFIXED_DIVMCLK 0x0008
#define fFIXED_DIVPCLK 0x0010
#define fBCLK_DIVIDEBY2 0x0020
#define fNO_CLOCK_CHIP 0x0040
#define fNO_USB_SUPPORT 0x0080
#define fHRTFT_INUSE 0x0100
#define fFIXED_STRIDE 0x0200

/* Register offsets by the names that the register initialization table of
 * an exported appcfg.h uses. Registers 4000h to 4FFFh are 16 bits wide,
 * every other register 32 bits. */
/* Display controller */
#define REG0000_PRODUCT_INFORMATION 0x0000
#define REG0004_MEMORY_CLOCK_CONFIG 0x0004
#define REG0008_PIXEL_CLOCK_CONFIG 0x0008
#define REG000C_PANEL_TYPE_MOD_RATE 0x000C
#define REG0010_DISPLAY_SETTINGS 0x0010
#define REG0014_POWER_SAVE_CONFIG 0x0014
#define REG0018_LOOKUP_TABLE_WRITE 0x0018
#define REG001C_LOOKUP_TABLE_READ 0x001C
#define REG0020_HORZ_TOTAL 0x0020
#define REG0024_HORZ_DISP_PERIOD 0x0024
#define REG0028_HORZ_DISP_PERIOD_START 0x0028
#define REG002C_FPLINE_START_PULSE 0x002C
#define REG0030_VERT_TOTAL 0x0030
#define REG0034_VERT_DISP_PERIOD 0x0034
#define REG0038_VERT_DISP_PERIOD_START 0x0038
#define REG003C_FPFRAME_START_PULSE 0x003C
#define REG0040_DISP_START_ADDRESS 0x0040
#define REG0044_LINE_ADDRESS_OFFSET 0x0044
#define REG0048_EXTENDED_PANEL_TYPE 0x0048
#define REG0050_PIP_DISP_START_ADDRESS 0x0050
#define REG0054_PIP_LINE_ADDRESS_OFFSET 0x0054
#define REG0058_PIP_X_POSITIONS 0x0058
#define REG005C_PIP_Y_POSITIONS 0x005C
#define REG0060_SPECIAL_PURPOSE 0x0060
#define REG0064_GPIO_STATUS_CONTROL 0x0064
#define REG0068_GPO_CONTROL 0x0068
#define REG0070_PWM_CONFIG 0x0070
#define REG0074_PWM_DUTY_CYCLE 0x0074
#define REG0080_SCRATCH_PAD_A 0x0080
#define REG0084_SCRATCH_PAD_B 0x0084
#define REG0088_SCRATCH_PAD_C 0x0088
#define REG00A0_HRTFT_MODE_2_CLS_WIDTH 0x00A0
#define REG00A4_HRTFT_MODE_2_PS1_RISING 0x00A4
#define REG00A8_HRTFT_MODE_2_PS2_RISING 0x00A8
#define REG00AC_HRTFT_MODE_2_PS2_TOGGLE 0x00AC
#define REG00B0_HRTFT_MODE_2_PS3_WIDTH 0x00B0
#define REG00B4_HRTFT_MODE_2_REV_TOGGLE 0x00B4
#define REG00B8_HRTFT_MODE_2_PS12_END 0x00B8
#define REG00BC_TYPE_2_TFT_CONFIG 0x00BC
#define REG00C0_CASIO_TFT_TIMING 0x00C0
#define REG00D8_TYPE_3_TFT_CONFIG_0 0x00D8
#define REG00DC_TYPE_3_TFT_CONFIG_1 0x00DC
#define REG00E0_TYPE_3_TFT_PCLK_DIVIDE 0x00E0
#define REG00E4_TYPE_3_TFT_PARTIAL_MODE 0x00E4
#define REG00E8_TYPE_3_TFT_PARTIAL_AREA_0 0x00E8
#define REG00EC_TYPE_3_TFT_PARTIAL_AREA_1 0x00EC
#define REG00F0_TYPE_3_TFT_PARTIAL_AREA_2 0x00F0
#define REG00F4_TYPE_3_TFT_COMMAND_STORE 0x00F4
#define REG00F8_TYPE_3_TFT_MISC 0x00F8

/* 2D engine */
#define REG8000_BLT_CONTROL 0x8000
#define REG8004_BLT_STATUS 0x8004
#define REG8008_BLT_COMMAND_ROP 0x8008
#define REG800C_BLT_SOURCE_START_ADDR 0x800C
#define REG8010_BLT_DEST_START_ADDR 0x8010
#define REG8014_BLT_MEMORY_ADDR_OFFSET 0x8014
#define REG8018_BLT_WIDTH 0x8018
#define REG801C_BLT_HEIGHT 0x801C
#define REG8020_BLT_BACKGROUND_COLOR 0x8020
#define REG8024_BLT_FOREGROUND_COLOR 0x8024

/* USB function controller, 16 bits wide */
#define REG4000_USB_CONTROL 0x4000
#define REG4002_USB_INT_ENABLE_0 0x4002
#define REG4004_USB_INT_STATUS_0 0x4004
#define REG4006_USB_INT_ENABLE_1 0x4006
#define REG4008_USB_INT_STATUS_1 0x4008
#define REG4010_USB_EP1_INDEX 0x4010
#define REG4012_USB_EP1_RX_MAILBOX_DATA 0x4012
#define REG4018_USB_EP2_INDEX 0x4018
#define REG401A_USB_EP2_TX_MAILBOX_DATA 0x401A
#define REG401C_USB_EP2_INT_POLL_INTERVAL 0x401C
#define REG4020_USB_EP3_RX_FIFO_DATA 0x4020
#define REG4022_USB_EP3_RX_FIFO_COUNT 0x4022
#define REG4024_USB_EP3_RX_FIFO_STATUS 0x4024
#define REG4026_USB_EP3_MAX_PACKET_SIZE 0x4026
#define REG4028_USB_EP4_TX_FIFO_DATA 0x4028
#define REG402A_USB_EP4_TX_FIFO_COUNT 0x402A
#define REG402C_USB_EP4_TX_FIFO_STATUS 0x402C
#define REG402E_USB_EP4_MAX_PACKET_SIZE 0x402E
#define REG4030_USB_REVISION 0x4030
#define REG4032_USB_USB_STATUS 0x4032
#define REG4034_USB_FRAME_COUNTER_MSB 0x4034
#define REG4036_USB_FRAME_COUNTER_LSB 0x4036
#define REG4038_USB_EXT_REGISTER_INDEX 0x4038
#define REG403A_USB_EXT_REGISTER_DATA 0x403A
#define REG4040_USB_USBFC_INPUT_CONTROL 0x4040
#define REG4042_USB_USBFC_OUTPUT_STATUS 0x4042
#define REG4044_USB_PIN_IO_STATUS_DATA 0x4044
#define REG4046_USB_POS_INT_ENABLE 0x4046
#define REG4048_USB_NEG_INT_ENABLE 0x4048
#define REG404A_USB_POS_INT_STATUS 0x404A
#define REG404C_USB_NEG_INT_STATUS 0x404C
#define REG404E_USB_POS_INT_MASK_STATUS 0x404E
#define REG4050_USB_NEG_INT_MASK_STATUS 0x4050
#define REG4052_USB_SOFTWARE_RESET 0x4052
#define REG4054_USB_WAIT_STATE 0x4054

/* Pseudo-registers of the register initialization table */
#define REG_POWER_OFF_DELAY riDELAYOFF
#define REG_POWER_ON_DELAY riDELAYON
#define REG_END_OF_TABLE riREGEND

typedef struct tagRegEntry {
    HAL_U32 Index; /* register byte offset or pseudo-index */
    HAL_U32 Value; /* value written, or the delay in ms */
} RegEntry;

typedef struct tagHAL_STRUCT {
    char IdString[16];                      /*   0: "58C22 HAL EXE" */
    char Description[HAL_DESCRIPTION_SIZE]; /*  16: not covered by the CRC */
    HAL_U16 Size;                           /* 272: always 856 */
    HAL_U16 Crc;                            /* 274: CRC-16 of bytes 276..855, 0 = unconfigured */
    char ChipId[8];                         /* 276: "58C22" */
    HAL_U16 EndianMark;                     /* 284: 0x1234 as written by the producer */
    HAL_U16 FrameRate;                      /* 286: Hz */
    HAL_U32 ClkI;                           /* 288: Hz, 0 = not programmed */
    HAL_U32 ClkI2;                          /* 292: Hz */
    HAL_U32 RegPhysAddr;                    /* 296: 0 = located by the board driver */
    HAL_U32 MemPhysAddr;                    /* 300 */
    HAL_U16 PowerOffTime;                   /* 304: ms */
    HAL_U16 PowerOnTime;                    /* 306: ms */
    HAL_U16 GpioPowerMask;                  /* 308 */
    HAL_U16 GpoPowerMask;                   /* 310 */
    HAL_U32 RequiredVram;                   /* 312: bytes */
    HAL_U32 Flags;                          /* 316 */
    RegEntry Regs[HAL_MAX_REGS];            /* 320 */
} HAL_STRUCT;

/* Compile-time layout checks that work in C89 as well: a negative array size
 * stops the build when a type or offset is not what the file format needs. */
#define HAL_LAYOUT_CHECK(name, cond) typedef char hal_layout_check_##name[(cond) ? 1 : -1]
HAL_LAYOUT_CHECK(u16, sizeof(HAL_U16) == 2);
HAL_LAYOUT_CHECK(u32, sizeof(HAL_U32) == 4);
HAL_LAYOUT_CHECK(entry, sizeof(RegEntry) == 8);
HAL_LAYOUT_CHECK(record, sizeof(HAL_STRUCT) == HAL_RECORD_SIZE);
HAL_LAYOUT_CHECK(Description, offsetof(HAL_STRUCT, Description) == 16);
HAL_LAYOUT_CHECK(Size, offsetof(HAL_STRUCT, Size) == 272);
HAL_LAYOUT_CHECK(Crc, offsetof(HAL_STRUCT, Crc) == 274);
HAL_LAYOUT_CHECK(ChipId, offsetof(HAL_STRUCT, ChipId) == 276);
HAL_LAYOUT_CHECK(EndianMark, offsetof(HAL_STRUCT, EndianMark) == 284);
HAL_LAYOUT_CHECK(FrameRate, offsetof(HAL_STRUCT, FrameRate) == 286);
HAL_LAYOUT_CHECK(ClkI, offsetof(HAL_STRUCT, ClkI) == 288);
HAL_LAYOUT_CHECK(ClkI2, offsetof(HAL_STRUCT, ClkI2) == 292);
HAL_LAYOUT_CHECK(RegPhysAddr, offsetof(HAL_STRUCT, RegPhysAddr) == 296);
HAL_LAYOUT_CHECK(MemPhysAddr, offsetof(HAL_STRUCT, MemPhysAddr) == 300);
HAL_LAYOUT_CHECK(PowerOffTime, offsetof(HAL_STRUCT, PowerOffTime) == 304);
HAL_LAYOUT_CHECK(PowerOnTime, offsetof(HAL_STRUCT, PowerOnTime) == 306);
HAL_LAYOUT_CHECK(GpioPowerMask, offsetof(HAL_STRUCT, GpioPowerMask) == 308);
HAL_LAYOUT_CHECK(GpoPowerMask, offsetof(HAL_STRUCT, GpoPowerMask) == 310);
HAL_LAYOUT_CHECK(RequiredVram, offsetof(HAL_STRUCT, RequiredVram) == 312);
HAL_LAYOUT_CHECK(Flags, offsetof(HAL_STRUCT, Flags) == 316);
HAL_LAYOUT_CHECK(Regs, offsetof(HAL_STRUCT, Regs) == 320);

#endif
