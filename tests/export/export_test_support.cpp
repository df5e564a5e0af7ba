#include "export_test_support.h"

#include "config/default_records.h"
#include "containers/config_file.h"
#include "regs/field_values.h"
#include "regs/layout.h"
#include "regs/setting_ids.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace k7r::test {

config::WorkingConfig NamedConfig(std::string_view name) {
    if (name != "rotated") {
        return config::WorkingConfig(TemplateRecord);
    }
    config::WorkingConfig edited(TemplateRecord);
    regs::SetFieldValue(edited, regs::kIdBitsPerPixel, 16);
    regs::SetFieldValue(edited, regs::kIdSwivelView, 90);
    regs::SetFieldValue(edited, regs::kIdHorzDoubling, 1);
    regs::RecomputeLayout(edited);

    // Through a real program image, as the utility would have it from File
    // Open: saved into a copy of the Windows test image and read back.
    const std::string image = ScratchDirectory() + "/rotated.exe";
    std::filesystem::copy_file(TestImagePath("carrier.exe"), image,
                               std::filesystem::copy_options::overwrite_existing);
    config::WorkingConfig config(TemplateRecord);
    EXPECT_TRUE(containers::SaveConfigFile(image, "", edited.Record, false, FailWith));
    EXPECT_TRUE(containers::OpenConfigFile(image, config, FailWith));
    return config;
}

config::WorkingConfig ConfigWithEntries(std::initializer_list<RegEntry> entries) {
    HAL_STRUCT record = TemplateRecord;
    std::fill(std::begin(record.Regs), std::end(record.Regs), RegEntry{0, 0});
    RegEntry* out = record.Regs;
    for (const RegEntry& entry : entries) {
        *out++ = entry;
    }
    *out = {riREGEND, 0};
    return config::WorkingConfig(record);
}

} // namespace k7r::test
