#pragma once

#include "config/default_records.h"
#include "config/record.h"
#include "emu/driver_choice.h"
#include "emu/emulated_driver.h"
#include "hal/access.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace k7r::test {

inline void SetEnvironment(const char* name, const char* value) {
#ifdef _WIN32
    _putenv_s(name, value != nullptr ? value : "");
#else
    if (value != nullptr) {
        setenv(name, value, 1);
    } else {
        unsetenv(name);
    }
#endif
}

// Each test starts with the layer released, a freshly powered emulated board
// selected, VRXBOARD unset and the layer working on a copy of the viewer's
// record.
class ChipTest : public ::testing::Test {
  protected:
    void SetUp() override { Start({}); }

    void TearDown() override {
        hal::ReleaseChip();
        SetEnvironment("VRXBOARD", nullptr);
        SetEnvironment(emu::kEmulatorVariable, nullptr);
    }

    void Start(const emu::BoardOptions& options) {
        hal::ReleaseChip();
        SetEnvironment("VRXBOARD", nullptr);
        emu::OfferEmulatedBoard();
        SetEnvironment(emu::kEmulatorVariable, "1");
        board().PowerOn(options);
        record = ViewerRecord;
        hal::UseRecord(record);
    }

    // Stores the CRC of the record as it now is.
    void Seal() { record.Crc = config::ComputeRecordCrc(record); }

    static emu::EmulatedBoard& board() { return emu::TheBoard(); }

    HAL_STRUCT record{};
};

} // namespace k7r::test
