#pragma once

// The chip access layer: binds to the board driver, maps the K7R58C22's
// registers and display memory into the process, and brings the chip up from
// a configuration record.
//
// API overview
//   Start-up     UseRecord(record) once, before anything else: the layer reads
//                its configuration from that record for the rest of the run
//                (the viewer passes ViewerRecord, the utility TemplateRecord).
//   Binding      AcquireChip() maps the chip; ReleaseChip() undoes it (also
//                run at process exit). LastError()/GetErrorText()
//                (hal/error_text.h) report the outcome of the last failing
//                operation.
//   Access       ReadReg16/32, WriteReg16/32 (USB registers 4000h-4FFFh are
//                16 bits wide, all others 32), ReadMem32, FillMem32,
//                WriteMem8/16: byte offsets from the register block and
//                display memory. PanelMayHaveChanged after a change that
//                should show.
//   Bring-up     InitializeChip(mask) and its steps (hal/init_sequence.h,
//                hal/clock_synth.h, hal/lookup_tables.h); ProgramInformation
//                (hal/program_info.h).
//
// Board driver: on Windows the K7R58xxx kernel driver, unless the program
// chose another with UseBoardDriver (hal/driver_select.h), as the programs
// that offer the board emulator do. Without a driver AcquireChip fails with
// error 1.
//
// State: every function acts on one Layer (hal/layer.h), the program's
// bound board unless a LayerInUse scope chose another. One thread, not
// re-entrant.

#include "config/hal_struct.h"

#include <cstdint>
#include <optional>

namespace k7r::hal {

// The layer's build number, from its revision text "$Revision: 2 $".
inline constexpr const char* kHalRevision = "$Revision: 2 $";

// The record the layer works on from now on; it must outlive the layer's use.
void UseRecord(HAL_STRUCT& record);
HAL_STRUCT& Record();

struct ChipBases {
    std::uintptr_t memory = 0;
    std::uintptr_t registers = 0;
};

// Maps the chip at the record's physical addresses (or locates board
// VRXBOARD when both are 0). On success: last error 0, clock state zeroed,
// the bases returned. On failure: last error 1 or 2, nullopt.
std::optional<ChipBases> AcquireChip();

// 0, or 2 when the driver refused to unmap; harmless when nothing is open.
std::uint32_t ReleaseChip();

std::uint16_t ReadReg16(std::uint32_t offset);
std::uint32_t ReadReg32(std::uint32_t offset);
void WriteReg16(std::uint32_t offset, std::uint16_t value);
void WriteReg32(std::uint32_t offset, std::uint32_t value);

std::uint32_t ReadMem32(std::uint32_t offset);
void FillMem32(std::uint32_t offset, std::uint32_t value, std::uint32_t count);
// Single stores into display memory, for pictures drawn byte by byte or
// pixel by pixel (16-bit stores at even offsets).
void WriteMem8(std::uint32_t offset, std::uint8_t value);
void WriteMem16(std::uint32_t offset, std::uint16_t value);

// Tells the board driver that registers or display memory may have changed
// what the panel shows. A real panel shows it by itself; a board whose
// panel is a picture (the emulator's) brings the picture up to date.
void PanelMayHaveChanged();

// Process addresses of the current mapping (0 when none).
ChipBases Bases();

} // namespace k7r::hal
