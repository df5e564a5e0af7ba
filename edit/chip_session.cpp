#include "edit/chip_session.h"

#include "config/record.h"
#include "hal/access.h"
#include "hal/chip_registers.h"
#include "hal/error_text.h"
#include "hal/init_sequence.h"
#include "hal/program_info.h"

#include <cstdio>
#include <cstring>

namespace k7r::edit {
namespace {

std::uint32_t SkipMask(const InitSteps& steps) {
    std::uint32_t mask = 0;
    mask |= steps.softwareReset ? 0 : hal::INIT_SKIP_RESET;
    mask |= steps.programClockChip ? 0 : hal::INIT_SKIP_CLOCKS;
    mask |= steps.initializeRegisters ? 0 : hal::INIT_SKIP_REGS;
    mask |= steps.initializeLookupTable ? 0 : hal::INIT_SKIP_LUT;
    mask |= steps.clearVideoMemory ? 0 : hal::INIT_SKIP_CLEAR;
    return mask;
}

std::string Format(const char* format, const std::string& argument) {
    char text[512];
    std::snprintf(text, sizeof text, format, argument.c_str());
    return text;
}

} // namespace

bool InitializeFromWorkingConfig(config::WorkingConfig& config, const InitSteps& steps,
                                 std::string* message) {
    HAL_STRUCT& record = hal::Record();
    record = config.Record;
    record.Crc = config::ComputeRecordCrc(record);

    bool ok = true;
    if (config.RegisterBase == 0) {
        const std::optional<hal::ChipBases> bases = hal::AcquireChip();
        ok = bases.has_value();
        if (ok) {
            config.MemoryBase = bases->memory;
            config.RegisterBase = bases->registers;
        }
    }
    ok = ok && hal::InitializeChip(SkipMask(steps));
    if (!ok) {
        config.Bound = false;
        config.Live = false;
        if (message != nullptr) {
            *message = Format("Cannot Initialize: %s.\n", hal::ErrorText());
        }
        return false;
    }
    if (steps.softwareReset && !steps.initializeRegisters) {
        config.Bound = false;
        config.Live = false;
    } else {
        config.Bound = true;
    }
    if (config.AutoRedraw) {
        config.RedrawCountdown = 1;
    }
    if (message != nullptr) {
        char text[128];
        std::snprintf(text, sizeof text, "Initialized K7R%.*s using HAL build %u.\n",
                      static_cast<int>(strnlen(record.ChipId, sizeof record.ChipId)), record.ChipId,
                      hal::BuildNumber(hal::kHalRevision));
        *message = text;
    }
    hal::PanelMayHaveChanged();
    return true;
}

void ShutdownChip(config::WorkingConfig& config) {
    if (config.Bound) {
        hal::WriteReg16(hal::reg::kUsbSoftwareReset, hal::reg::kUsbResetValue);
        hal::WriteReg32(hal::reg::kSpecialPurpose, hal::reg::kChipResetValue);
    }
    config.Bound = false;
    config.Live = false;
    hal::PanelMayHaveChanged();
}

void SetLive(config::WorkingConfig& config, bool live) {
    if (config.Bound) {
        config.Live = live;
    }
}

void SetAutoRedraw(config::WorkingConfig& config, bool on) {
    config.AutoRedraw = on;
    if (on) {
        config.RedrawCountdown = 1;
    }
}

} // namespace k7r::edit
