#include "export_test_support.h"

#include "config/default_records.h"
#include "containers/config_file.h"
#include "regs/field_attributes.h"
#include "regs/field_table.h"
#include "regs/field_values.h"
#include "regs/layout.h"
#include "regs/register_table.h"
#include "regs/setting_ids.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace k7r::test {

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

config::WorkingConfig TemplateConfig() {
    return config::WorkingConfig(TemplateRecord);
}

config::WorkingConfig RotatedConfig() {
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
    const containers::MessageSink fail = [](const std::string& text) { ADD_FAILURE() << text; };
    config::WorkingConfig config(TemplateRecord);
    EXPECT_TRUE(containers::SaveConfigFile(image, "", edited.Record, false, fail));
    EXPECT_TRUE(containers::OpenConfigFile(image, config, fail));
    return config;
}

namespace {

bool HasRegisterFields(std::uint32_t offset) {
    for (const regs::FIELD_DESC& field : regs::kFieldTable) {
        if ((field.Attributes & regs::ffREGISTER) && field.Register == offset) {
            return true;
        }
    }
    return false;
}

} // namespace

std::size_t DescribedRegisterCount() {
    std::size_t count = 0;
    for (const regs::REG_DESC& reg : regs::kRegisterTable) {
        count += reg.Offset < riRESERVED_FIRST && HasRegisterFields(reg.Offset);
    }
    return count;
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
