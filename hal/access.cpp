#include "hal/access.h"

#include "hal/driver_select.h"
#include "hal/error_text.h"
#include "hal/layer.h"
#include "hal/layer_state.h"
#include "platform/environment.h"

#include <cstdlib>
#include <optional>
#include <string>

namespace k7r::hal {
namespace {

// The board driver maps one window this long; registers and display memory
// must both lie in it.
constexpr std::uint32_t kWindowLength = 0x400000;
// Distance of display memory above the registers when the record gives the
// same address for both (0 and 0: located by the driver).
constexpr std::uintptr_t kDefaultMemoryDistance = 0x200000;
// The board number variable is read into a buffer of this size, as atoi sees it.
constexpr std::size_t kBoardVariableSize = 80;

std::uint32_t BoardNumberFromEnvironment() {
    const std::optional<std::string> value = platform::EnvironmentVariable("VRXBOARD");
    if (!value) {
        return 0;
    }
    char buffer[kBoardVariableSize] = {};
    value->copy(buffer, kBoardVariableSize - 1);
    return static_cast<std::uint32_t>(std::atoi(buffer));
}

// Opens the driver and maps the window at `physical` (or locates the board
// when it is 0): 0, or the error code 1 or 2.
std::uint32_t OpenAndMap(std::uint32_t physical) {
    LayerState& s = State();
    ReleaseChip();
    s.driver = OpenBoardDriver();
    if (!s.driver) {
        return kErrNoDriver;
    }
    const std::optional<std::uintptr_t> linear =
        physical != 0 ? s.driver->MapPhysical(physical, kWindowLength)
                      : s.driver->LocateBoard(BoardNumberFromEnvironment());
    if (!linear) {
        return kErrNoController;
    }
    s.linearAddress = *linear;
    return kErrNone;
}

// The process's exit lets go of the bound board; another layer's owner
// releases it with the layer.
bool releaseRegistered = false;

void ReleaseAtExit() {
    LayerInUse bound(BoundLayer());
    ReleaseChip();
}

} // namespace

void UseRecord(HAL_STRUCT& record) {
    State().record = &record;
}

HAL_STRUCT& Record() {
    LayerState& s = State();
    return s.record != nullptr ? *s.record : s.ownRecord;
}

std::optional<ChipBases> AcquireChip() {
    if (!releaseRegistered) {
        releaseRegistered = true;
        std::atexit(ReleaseAtExit);
    }
    LayerState& s = State();
    const std::uint32_t reg = Record().RegPhysAddr;
    const std::uint32_t mem = Record().MemPhysAddr;
    const bool registersFirst = reg <= mem;
    if (const std::uint32_t error = OpenAndMap(registersFirst ? reg : mem); error != kErrNone) {
        s.lastError = error;
        return std::nullopt;
    }
    const std::uintptr_t distance =
        reg == mem ? kDefaultMemoryDistance : (registersFirst ? mem - reg : reg - mem);
    s.registerBase = registersFirst ? s.linearAddress : s.linearAddress + distance;
    s.memoryBase = registersFirst ? s.linearAddress + distance : s.linearAddress;
    s.bus = s.driver->Bus();
    s.clocks = {};
    s.lastError = kErrNone;
    return ChipBases{.memory = s.memoryBase, .registers = s.registerBase};
}

std::uint32_t ReleaseChip() {
    LayerState& s = State();
    if (!s.driver) {
        return kErrNone;
    }
    std::uint32_t result = kErrNone;
    if (s.linearAddress != 0 && !s.driver->Unmap(s.linearAddress)) {
        result = kErrNoController;
    }
    s.driver.reset();
    s.linearAddress = 0;
    s.registerBase = 0;
    s.memoryBase = 0;
    s.bus = nullptr;
    return result;
}

ChipBases Bases() {
    return {.memory = State().memoryBase, .registers = State().registerBase};
}

// Without a mapping there is no chip to reach: reads give 0 and writes are
// dropped rather than landing at address 0 + offset.
std::uint16_t ReadReg16(std::uint32_t offset) {
    const LayerState& s = State();
    if (s.registerBase == 0) {
        return 0;
    }
    const std::uintptr_t address = s.registerBase + offset;
    return s.bus != nullptr ? s.bus->Read16(address)
                            : *reinterpret_cast<volatile std::uint16_t*>(address);
}

std::uint32_t ReadReg32(std::uint32_t offset) {
    const LayerState& s = State();
    if (s.registerBase == 0) {
        return 0;
    }
    const std::uintptr_t address = s.registerBase + offset;
    return s.bus != nullptr ? s.bus->Read32(address)
                            : *reinterpret_cast<volatile std::uint32_t*>(address);
}

void WriteReg16(std::uint32_t offset, std::uint16_t value) {
    const LayerState& s = State();
    if (s.registerBase == 0) {
        return;
    }
    const std::uintptr_t address = s.registerBase + offset;
    if (s.bus != nullptr) {
        s.bus->Write16(address, value);
    } else {
        *reinterpret_cast<volatile std::uint16_t*>(address) = value;
    }
}

void WriteReg32(std::uint32_t offset, std::uint32_t value) {
    const LayerState& s = State();
    if (s.registerBase == 0) {
        return;
    }
    const std::uintptr_t address = s.registerBase + offset;
    if (s.bus != nullptr) {
        s.bus->Write32(address, value);
    } else {
        *reinterpret_cast<volatile std::uint32_t*>(address) = value;
    }
}

std::uint32_t ReadMem32(std::uint32_t offset) {
    const std::uintptr_t base = State().memoryBase;
    return base != 0 ? *reinterpret_cast<volatile std::uint32_t*>(base + offset) : 0;
}

void FillMem32(std::uint32_t offset, std::uint32_t value, std::uint32_t count) {
    const std::uintptr_t base = State().memoryBase;
    if (base == 0) {
        return;
    }
    auto* word = reinterpret_cast<volatile std::uint32_t*>(base + offset);
    for (std::uint32_t i = 0; i < count; ++i) {
        word[i] = value;
    }
}

void WriteMem8(std::uint32_t offset, std::uint8_t value) {
    const std::uintptr_t base = State().memoryBase;
    if (base != 0) {
        *reinterpret_cast<volatile std::uint8_t*>(base + offset) = value;
    }
}

void WriteMem16(std::uint32_t offset, std::uint16_t value) {
    const std::uintptr_t base = State().memoryBase;
    if (base != 0) {
        *reinterpret_cast<volatile std::uint16_t*>(base + offset) = value;
    }
}

void PanelMayHaveChanged() {
    LayerState& s = State();
    if (s.driver && s.memoryBase != 0) {
        s.driver->PanelMayHaveChanged();
    }
}

} // namespace k7r::hal
