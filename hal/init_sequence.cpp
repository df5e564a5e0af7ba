#include "hal/init_sequence.h"

#include "config/record.h"
#include "hal/access.h"
#include "hal/chip_registers.h"
#include "hal/clock_synth.h"
#include "hal/error_text.h"
#include "hal/layer_state.h"
#include "hal/lookup_tables.h"

namespace k7r::hal {
namespace {

// A frame wait gives up after this many status reads without seeing the
// vertical non-display period end: the display is not running (no pixel
// clock, or timings that never leave the display period). At 1 us per
// read - a slow bus - this is over 4 s, far longer than one frame of any
// display this chip drives, so a running display never hits it.
constexpr std::uint32_t kMaxStatusReadsPerFrame = 1u << 22;

bool InVerticalNonDisplay() {
    return (ReadReg32(reg::kPowerSave) & reg::kVerticalNonDisplay) != 0;
}

// Waits for the status to reach `state`; false when the bound ran out.
bool WaitForNonDisplay(bool state, std::uint32_t& readsLeft) {
    while (InVerticalNonDisplay() != state) {
        if (--readsLeft == 0) {
            return false;
        }
    }
    return true;
}

// One frame ends with the end of a vertical non-display period.
bool WaitOneFrame() {
    std::uint32_t readsLeft = kMaxStatusReadsPerFrame;
    if (!InVerticalNonDisplay() && !WaitForNonDisplay(true, readsLeft)) {
        return false;
    }
    return WaitForNonDisplay(false, readsLeft);
}

std::uint32_t EffectiveClkI() {
    const std::uint32_t achieved = State().clocks[0].achievedHz;
    return achieved > 0 ? achieved : Record().ClkI;
}

std::uint32_t EffectiveClkI2() {
    const std::uint32_t achieved = State().clocks[3].achievedHz;
    return achieved > 0 ? achieved : Record().ClkI2;
}

} // namespace

bool InitializeChip(std::uint32_t skipMask) {
    const HAL_STRUCT& record = Record();
    if (record.Crc == 0) {
        SetLastError(kErrNotConfigured);
        return false;
    }
    if (config::ComputeRecordCrc(record) != record.Crc) {
        SetLastError(kErrCrcMismatch);
        return false;
    }
    if ((skipMask & INIT_SKIP_RESET) == 0) {
        WriteReg16(reg::kUsbSoftwareReset, reg::kUsbResetValue);
    }
    if ((skipMask & INIT_SKIP_CLOCKS) == 0 &&
        (record.Flags & (fNO_CLOCK_CHIP | fHRTFT_INUSE)) == 0) {
        // A clock failure leaves its error set; the chip still comes up.
        ProgramClocks(record.ClkI, record.ClkI2);
    }
    if ((skipMask & INIT_SKIP_REGS) == 0) {
        RunRegisterTable();
    }
    if ((skipMask & INIT_SKIP_LUT) == 0) {
        LoadLookupTable();
    }
    if ((skipMask & INIT_SKIP_CLEAR) == 0) {
        ClearDisplayMemory();
    }
    return true;
}

void RunRegisterTable() {
    for (const RegEntry& entry : Record().Regs) {
        if (entry.Index == riREGEND) {
            break;
        }
        if (entry.Index < riRESERVED_FIRST) {
            WriteReg32(entry.Index, entry.Value);
        } else if (entry.Index == riDELAYON || entry.Index == riDELAYOFF) {
            DelayFrames(entry.Value);
        }
    }
}

bool DelayFrames(std::uint32_t ms) {
    if (ms == 0) {
        return true;
    }
    if ((ReadReg32(reg::kPowerSave) & reg::kPowerSaveMode) != 0) {
        return false;
    }
    const std::uint32_t frames = CurrentFrameRate() * ms / 1000;
    for (std::uint32_t n = 0; n < frames; ++n) {
        if (!WaitOneFrame()) {
            return false;
        }
    }
    return true;
}

std::uint32_t CurrentFrameRate() {
    const std::uint32_t horizontalTotal = (ReadReg32(reg::kHorzTotal) & 0x7F) * 8 + 8;
    const std::uint32_t verticalTotal = (ReadReg32(reg::kVertTotal) & 0x1FF) + 1;
    const std::uint32_t pixelClockConfig = ReadReg32(reg::kPixelClock);
    const std::uint32_t source = pixelClockConfig & 3;
    std::uint32_t clock = source == 3 ? EffectiveClkI2() : EffectiveClkI();
    if (source < 2 && (ReadReg32(reg::kProductInfo) & reg::kCnf6) != 0) {
        clock /= 2;
    }
    if (source == 0) {
        clock /= (ReadReg32(reg::kMemoryClock) >> 4) + 1;
    }
    const std::uint32_t divide = reg::PixelClockDivide(pixelClockConfig >> 4);
    return clock / divide / (verticalTotal * horizontalTotal);
}

void ClearDisplayMemory() {
    const std::uint32_t bytes = ((ReadReg32(reg::kProductInfo) >> 8) & 0xFF) * 4096;
    FillMem32(0, 0, bytes / 4);
}

} // namespace k7r::hal
