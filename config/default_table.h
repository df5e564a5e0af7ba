#pragma once

#include "config/hal_struct.h"

#include <initializer_list>

// Builders for the two shipped records, evaluated at compile time so that
// the records are constant-initialised data in the program image.
namespace k7r::config::defaults {

struct Entry {
    HAL_U32 index;
    HAL_U32 value;
};

// Display settings shared by both records: REG[04h] to REG[F8h] in table
// order, with REG[08h] given by the caller.
constexpr void AppendDisplayEntries(RegEntry*& out, HAL_U32 pixelClockConfig) {
    const Entry entries[] = {
        {0x0004, 0x00000000}, {0x0008, pixelClockConfig}, {0x000C, 0x000000D0},
        {0x0010, 0x00000008}, {0x0020, 0x0000002B},       {0x0024, 0x00000027},
        {0x0028, 0x00000000}, {0x002C, 0x00870156},       {0x0030, 0x000000FA},
        {0x0034, 0x000000EF}, {0x0038, 0x00000000},       {0x003C, 0x00800000},
        {0x0040, 0x00000000}, {0x0044, 0x00000050},       {0x0048, 0x00000000},
        {0x0050, 0x00000000}, {0x0054, 0x00000050},       {0x0058, 0x00000000},
        {0x005C, 0x00000000}, {0x0060, 0x00000000},       {0x0070, 0x00000000},
        {0x0074, 0x00000000}, {0x0080, 0x00000000},       {0x0084, 0x00000000},
        {0x0088, 0x00000000}, {0x00A0, 0x0000012C},       {0x00A4, 0x00000032},
        {0x00A8, 0x00000064}, {0x00AC, 0x0000000A},       {0x00B0, 0x00000064},
        {0x00B4, 0x0000000A}, {0x00B8, 0x00000007},       {0x00BC, 0x00000000},
        {0x00C0, 0x09180E09}, {0x00D8, 0x00000000},       {0x00DC, 0x00000000},
        {0x00E0, 0x00000000}, {0x00E4, 0x00000000},       {0x00E8, 0x00000000},
        {0x00EC, 0x00000000}, {0x00F0, 0x00000000},       {0x00F4, 0x00000000},
        {0x00F8, 0x00000000},
    };
    for (const Entry& e : entries) {
        *out++ = {e.index, e.value};
    }
}

constexpr void Append(RegEntry*& out, std::initializer_list<Entry> entries) {
    for (const Entry& e : entries) {
        *out++ = {e.index, e.value};
    }
}

constexpr void CopyText(char* field, const char* text) {
    while (*text != '\0') {
        *field++ = *text++;
    }
}

// The header fields both records share.
constexpr HAL_STRUCT CommonHeader() {
    HAL_STRUCT r{};
    CopyText(r.IdString, HAL_ID_STRING);
    r.Size = HAL_RECORD_SIZE;
    CopyText(r.ChipId, HAL_CHIP_ID);
    r.EndianMark = HAL_ENDIAN_MARK;
    r.FrameRate = 70;
    r.PowerOffTime = 1200;
    r.PowerOnTime = 50;
    r.GpioPowerMask = 0x0001;
    r.RequiredVram = 76800;
    return r;
}

} // namespace k7r::config::defaults
