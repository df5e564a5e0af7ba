#include "diagrams/quantity_text.h"

#include "regs/clock_tree.h"
#include "regs/field_names.h"
#include "regs/field_table.h"
#include "regs/field_values.h"

#include <cinttypes>
#include <cstdio>

namespace k7r::diagrams {
namespace {

constexpr std::uint64_t kPicosecondsPerSecond = 1000000000000;
constexpr std::uint64_t kPicosecondsPerMicrosecond = 1000000;
constexpr std::uint64_t kPicosecondsPerMillisecond = 1000000000;

} // namespace

std::string CountText(std::uint32_t id, std::uint32_t count) {
    const std::size_t record = regs::FindField(id);
    std::string text = regs::FormatFieldName(id, regs::kShortForms | regs::kShowName) + ' ' +
                       std::to_string(count);
    if (record < regs::kFieldCount && !regs::kFieldTable[record].Units.empty()) {
        text += ' ';
        text += regs::kFieldTable[record].Units;
    }
    return text;
}

std::string SettingText(config::WorkingConfig& config, std::uint32_t id) {
    return CountText(id, regs::GetFieldValue(config, id));
}

std::string DurationText(std::uint64_t pixels, std::uint32_t pclkHz) {
    if (pclkHz == 0) {
        return "? s";
    }
    const std::uint64_t ps = pixels * kPicosecondsPerSecond / pclkHz;
    char text[48];
    if (ps < kPicosecondsPerMicrosecond) {
        std::snprintf(text, sizeof text, "%" PRIu64 " ns", ps / 1000);
    } else if (ps < kPicosecondsPerMillisecond) {
        std::snprintf(text, sizeof text, "%" PRIu64 ".%03" PRIu64 " us",
                      ps / kPicosecondsPerMicrosecond, ps / 1000 % 1000);
    } else {
        std::snprintf(text, sizeof text, "%" PRIu64 ".%03" PRIu64 " ms",
                      ps / kPicosecondsPerMillisecond, ps / kPicosecondsPerMicrosecond % 1000);
    }
    return text;
}

std::string FrequencyLabel(std::uint32_t hz) {
    return regs::FrequencyText(hz).substr(1);
}

} // namespace k7r::diagrams
