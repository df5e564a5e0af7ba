/*
 * The K7R58C22 configuration record.
 *
 * One HAL_STRUCT lives as an initialised global in every program built on
 * the chip access layer; the configuration utility finds it inside program
 * images by its marker and patches it in place. The layout is fixed at 856
 * bytes with no padding. This header is plain C89 so that generated
 * application headers and C programs can include it as well as C++.
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
