#include "containers/config_image.h"

#include "config/byte_order.h"
#include "config/record.h"
#include "containers/container_kind.h"
#include "containers/messages.h"
#include "containers/srec_parser.h"

namespace k7r::containers {
namespace {

bool IsAsked(const ContainerKind& kind, bool srecText) {
    switch (kind.asked) {
    case AskedAbout::AnyImage:
        return true;
    case AskedAbout::SrecText:
        return srecText;
    case AskedAbout::OtherImages:
        return !srecText;
    }
    return false;
}

} // namespace

int LocateConfigRecord(const ImageSource& image, bool verify, HAL_STRUCT& stored,
                       std::string_view& message) {
    message = messages::kNoConfigData;
    const bool srecText = IsSrecText(image);
    for (const ContainerKind& kind : ContainerKinds()) {
        if (!IsAsked(kind, srecText)) {
            continue;
        }
        const int result = kind.locate(&stored, image, verify, message);
        if (result != kNoRecord) {
            return result;
        }
    }
    return kNoRecord;
}

bool IsSwapped(const HAL_STRUCT& stored) {
    return stored.EndianMark == config::kSwappedEndianMark;
}

bool ReadConfigImage(const ImageSource& image, config::WorkingConfig& config,
                     std::string_view& message) {
    HAL_STRUCT record;
    if (LocateConfigRecord(image, true, record, message) != kRecordFound) {
        return false;
    }
    if (IsSwapped(record)) {
        config::ByteSwapRecord(record);
    }
    config.AdoptRecord(record);
    return true;
}

// The kinds are asked in table order, as for a locate, but each write
// operation locates the record itself: a large plain image is searched
// once per save, not twice.
bool WriteConfigImage(const ImageSource& image, const HAL_STRUCT& working, bool preserveAddresses,
                      ImageChange& change, std::string_view& message) {
    const MakeOutgoing outgoing = [&](const HAL_STRUCT& inFile) {
        const bool swapped = IsSwapped(inFile);
        HAL_STRUCT record = working;
        if (swapped) {
            config::ByteSwapRecord(record);
        }
        if (preserveAddresses) {
            // Both records are in the file's byte order here.
            record.RegPhysAddr = inFile.RegPhysAddr;
            record.MemPhysAddr = inFile.MemPhysAddr;
        }
        const std::uint16_t crc = config::ComputeRecordCrc(record);
        record.Crc = swapped ? config::Swap16(crc) : crc;
        return record;
    };
    message = messages::kNoConfigData;
    const bool srecText = IsSrecText(image);
    for (const ContainerKind& kind : ContainerKinds()) {
        if (!IsAsked(kind, srecText)) {
            continue;
        }
        const int result = kind.write(image, outgoing, change, message);
        if (result != kNoRecord) {
            return result == kRecordFound;
        }
    }
    return false;
}

} // namespace k7r::containers
