/*
 * A big-endian program image: a bare m68k executable carrying a configured
 * record, built from the public header by a C89 cross compiler.
 */
#include "config/hal_struct.h"

HAL_STRUCT BoardRecord = {
    HAL_ID_STRING,
    "m68k evaluation board",
    HAL_RECORD_SIZE,
    0x3601, /* CRC of the content below as stored big-endian; the tests recompute it */
    HAL_CHIP_ID,
    HAL_ENDIAN_MARK,
    60,         /* FrameRate */
    25175000,   /* ClkI */
    0,          /* ClkI2 */
    0x00F00000, /* RegPhysAddr */
    0x00E00000, /* MemPhysAddr */
    500,        /* PowerOffTime */
    20,         /* PowerOnTime */
    0x0002,     /* GpioPowerMask */
    0x0000,     /* GpoPowerMask */
    153600,     /* RequiredVram */
    fFIXED_DIVMCLK | fNO_USB_SUPPORT,
    {{0x8000, 0x00000000},
     {0x0010, 0x00000008},
     {0x0064, 0x28D70000},
     {riDELAYON, 20},
     {0x0064, 0x28D70002},
     {riREGEND, 0}}};

/* The entry point keeps the record referenced; the image is never run. */
void _start(void) {
    for (;;) {
        BoardRecord.FrameRate++;
    }
}
