#pragma once

#include "config/default_records.h"
#include "config/working_config.h"
#include "regs/field_table.h"
#include "regs/field_values.h"
#include "regs/register_access.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>
#include <utility>

namespace k7r::test {

// The bits of the first record with the id, as the register holds them.
inline std::uint32_t Raw(config::WorkingConfig& config, std::uint32_t id) {
    return regs::ReadFieldBits(config, regs::FindField(id));
}

// Gives each setting its value, in order.
inline void SetAll(config::WorkingConfig& config,
                   std::initializer_list<std::pair<std::uint32_t, std::uint32_t>> settings) {
    for (const auto& [id, value] : settings) {
        regs::SetFieldValue(config, id, value);
    }
}

inline constexpr bool kRaw = true;

// Setting set is given value (no setting when set is 0), after which setting
// read holds expected: as its value, or with raw as its register bits.
struct Step {
    std::uint32_t set;
    std::uint32_t value;
    std::uint32_t read;
    std::uint32_t expected;
    bool raw = false;
};

template <std::size_t N>
void RunSteps(config::WorkingConfig& config, const Step (&steps)[N]) {
    for (const Step& step : steps) {
        if (step.set != 0) {
            regs::SetFieldValue(config, step.set, step.value);
        }
        EXPECT_EQ(step.raw ? Raw(config, step.read) : regs::GetFieldValue(config, step.read),
                  step.expected)
            << "setting " << step.set << " = " << step.value << ", then reading " << step.read;
    }
}

} // namespace k7r::test
