#include "hal/clock_synth.h"

#include "hal/access.h"
#include "hal/chip_registers.h"
#include "hal/error_text.h"
#include "hal/layer_state.h"
#include "platform/thread_priority.h"

namespace k7r::hal {
namespace {

constexpr std::uint32_t kMaxFrequencyHz = 120000000;
constexpr std::uint32_t kVcoMinimumHz = 50000000;
constexpr std::uint32_t kMaxPostDivider = 7;

struct VcoRange {
    std::uint32_t lowest;
    std::uint32_t highest;
};

// Index I selects the VCO range; the last entry is never chosen by the search.
constexpr VcoRange kVcoRanges[16] = {
    {50000000, 51000000},   {51000000, 53200000},   {53200000, 58500000},   {58500000, 60700000},
    {60700000, 64400000},   {64400000, 66800000},   {66800000, 73500000},   {73500000, 75600000},
    {75600000, 80900000},   {80900000, 83200000},   {83200000, 91500000},   {91500000, 100000000},
    {100000000, 120000000}, {100000000, 120000000}, {100000000, 120000000}, {100000000, 120000000},
};
constexpr std::uint32_t kSearchedRanges = 15;

constexpr std::uint32_t kPFirst = 4, kPLast = 130;
constexpr std::uint32_t kQFirst = 15, kQLast = 71;

// GPIO1 and GPIO2 as outputs, GPIO3 as input, in REG[64h].
constexpr std::uint32_t kGpioKeepMask = ~0x06080006u;
constexpr std::uint32_t kGpioSynthSetup = 0x08060000;
constexpr std::uint32_t kClockAndData = reg::kGpio1Clock | reg::kGpio2Data;

void SendBit(bool first, bool second) {
    const std::uint32_t g = ReadReg32(reg::kGpio) & ~kClockAndData;
    const std::uint32_t firstData = first ? reg::kGpio2Data : 0;
    const std::uint32_t secondData = second ? reg::kGpio2Data : 0;
    WriteReg32(reg::kGpio, g | firstData | reg::kGpio1Clock);
    WriteReg32(reg::kGpio, g | firstData);
    WriteReg32(reg::kGpio, g | secondData);
    WriteReg32(reg::kGpio, g | secondData | reg::kGpio1Clock);
}

bool ClocksForbidden() {
    return (Record().Flags & (fNO_CLOCK_CHIP | fHRTFT_INUSE)) != 0;
}

} // namespace

std::optional<ClockEntry> SearchClockWord(int reg, std::uint32_t frequencyHz) {
    if (frequencyHz > kMaxFrequencyHz) {
        return std::nullopt;
    }
    std::uint32_t m = 0;
    if (frequencyHz < kVcoMinimumHz) {
        m = 1;
        while (m <= kMaxPostDivider && frequencyHz < (kVcoMinimumHz >> m)) {
            ++m;
        }
    }
    if (m > kMaxPostDivider) {
        return std::nullopt;
    }
    const std::uint32_t vco = frequencyHz << m;
    std::uint32_t i = kSearchedRanges;
    for (std::uint32_t k = 0; k < kSearchedRanges; ++k) {
        if (kVcoRanges[k].lowest <= vco && vco <= kVcoRanges[k].highest) {
            i = k;
            break;
        }
    }
    std::uint32_t bestP = kPFirst, bestQ = kQFirst;
    std::uint32_t bestDifference = 0x7FFFFFFF;
    for (std::uint32_t p = kPFirst; p <= kPLast; ++p) {
        for (std::uint32_t q = kQFirst; q <= kQLast; ++q) {
            const std::uint32_t candidate = 2 * kSynthReferenceHz * p / q;
            const std::uint32_t difference = candidate > vco ? candidate - vco : vco - candidate;
            if (difference < bestDifference) {
                bestDifference = difference;
                bestP = p;
                bestQ = q;
            }
        }
    }
    const std::uint32_t word = ((static_cast<std::uint32_t>(reg) & 7) << 21) | ((i & 0xF) << 17) |
                               (((bestP - 3) & 0x7F) << 10) | ((m & 7) << 7) | ((bestQ - 2) & 0x7F);
    const std::uint32_t achieved = kSynthReferenceHz * bestP * 2 / bestQ / (1u << m);
    return ClockEntry{frequencyHz, m, i, bestP, bestQ, achieved, word};
}

bool ComputeClockWord(int reg, std::uint32_t frequencyHz) {
    const std::optional<ClockEntry> entry = SearchClockWord(reg, frequencyHz);
    if (!entry) {
        SetLastError(frequencyHz > kMaxFrequencyHz ? kErrClockTooHigh : kErrClockTooLow);
        return false;
    }
    State().clocks[reg] = *entry;
    return true;
}

// The ICD2061A serial protocol: an unlock run of ones, a start bit, the 24
// bits LSB first each as complement then true value, and a stop bit. Each
// bit is four register writes with no delay, hence the priority raise.
void SendClockWord(std::uint32_t word) {
    platform::TimeCriticalPriority priority;
    const std::uint32_t base = (ReadReg32(reg::kGpio) & kGpioKeepMask) | kGpioSynthSetup;
    WriteReg32(reg::kGpio, base);
    WriteReg32(reg::kGpio, base | kClockAndData);
    for (int n = 0; n < 5; ++n) {
        SendBit(true, true);
    }
    SendBit(false, false);
    SendBit(false, false);
    for (int b = 0; b < 24; ++b) {
        const bool bit = ((word >> b) & 1) != 0;
        SendBit(!bit, bit);
    }
    SendBit(true, true);
    WriteReg32(reg::kGpio, base);
}

bool ProgramClocks(std::uint32_t clkI, std::uint32_t clkI2) {
    if (ClocksForbidden()) {
        SetLastError(kErrClockNotSettable);
        return false;
    }
    if (clkI != 0) {
        for (int r = 0; r < 3; ++r) {
            if (!ComputeClockWord(r, clkI)) {
                return false;
            }
            SendClockWord(State().clocks[r].word);
        }
    }
    if (clkI2 != 0) {
        if (!ComputeClockWord(3, clkI2)) {
            return false;
        }
        SendClockWord(State().clocks[3].word);
    }
    return true;
}

std::span<const ClockEntry, kSynthRegisterCount> ClockState() {
    return State().clocks;
}

} // namespace k7r::hal
