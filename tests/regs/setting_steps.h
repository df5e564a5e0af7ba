#pragma once

#include "config/default_records.h"
#include "config/working_config.h"
#include "regs/field_table.h"
#include "regs/field_values.h"
#include "regs/register_access.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

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

} // namespace k7r::test
