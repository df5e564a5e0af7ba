#include "hal/program_info.h"

#include "config/record.h"
#include "hal/access.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace k7r::hal {
namespace {

constexpr std::size_t kWorkAreaSize = 1024;

constexpr const char* kNotice = "K7R58C22 chip access layer for evaluation boards.\n"
                                "Not for redistribution in production systems.";

const char* CrcStatus(const HAL_STRUCT& record) {
    if (config::ComputeRecordCrc(record) == record.Crc) {
        return "OK";
    }
    return record.Crc != 0 ? "error" : "unconfigured";
}

// The record's text fields are fixed arrays that need not end in NUL.
std::string FieldText(const char* field, std::size_t size) {
    return std::string(field, strnlen(field, size));
}

} // namespace

std::uint32_t BuildNumber(const char* revisionText) {
    const char* colon = std::strchr(revisionText, ':');
    return colon != nullptr ? static_cast<std::uint32_t>(std::strtoul(colon + 1, nullptr, 10)) : 0;
}

std::string ProgramInformation(const char* name, const char* description,
                               const char* revisionText) {
    const HAL_STRUCT& record = Record();
    const std::string chipId = FieldText(record.ChipId, sizeof record.ChipId);
    char work[kWorkAreaSize];
    int length = std::snprintf(work, sizeof work,
                               "%s%s - %s - Build %u [HAL: %u]\n%s\nConfiguration CRC %04Xh (%s)\n",
                               chipId.c_str(), name, description, BuildNumber(revisionText),
                               BuildNumber(kHalRevision), kNotice, record.Crc, CrcStatus(record));
    length = length < 0 ? 0 : std::min<int>(length, sizeof work - 1);
    const std::string text = FieldText(record.Description, sizeof record.Description);
    if (!text.empty() && length > 0) {
        std::snprintf(work + length - 1, sizeof work - (length - 1), ", Description:\n%s\n",
                      text.c_str());
    }
    return work;
}

char* ProgramInformation(const char* name, const char* description, const char* revisionText,
                         char* buffer, std::uint32_t length) {
    if (length == 0) {
        return buffer;
    }
    const std::string text = ProgramInformation(name, description, revisionText);
    std::strncpy(buffer, text.c_str(), length);
    buffer[length - 1] = '\0';
    return buffer;
}

} // namespace k7r::hal
