#include "containers/config_image.h"

#include "config/byte_order.h"
#include "config/record.h"
#include "containers/container_kind.h"
#include "containers/messages.h"

namespace k7r {

int LocateConfigRecord(std::span<const std::uint8_t> image, bool verify, HAL_STRUCT& stored,
                       std::string_view& message, std::size_t* kind) {
    message = messages::kNoConfigData;
    const std::span<const ContainerKind> kinds = ContainerKinds();
    for (std::size_t index = 0; index < kinds.size(); ++index) {
        const int result = kinds[index].locate(&stored, image, verify, message);
        if (result != kNoRecord) {
            if (kind != nullptr) {
                *kind = index;
            }
            return result;
        }
    }
    return kNoRecord;
}

bool IsSwapped(const HAL_STRUCT& stored) {
    return stored.EndianMark == kSwappedEndianMark;
}

bool ReadConfigImage(std::span<const std::uint8_t> image, WorkingConfig& config,
                     std::string_view& message) {
    HAL_STRUCT record;
    if (LocateConfigRecord(image, true, record, message) != kRecordFound) {
        return false;
    }
    if (IsSwapped(record)) {
        ByteSwapRecord(record);
    }
    config.AdoptRecord(record);
    return true;
}

bool WriteConfigImage(std::span<const std::uint8_t> image, const HAL_STRUCT& working,
                      bool preserveAddresses, ImageChange& change, std::string_view& message) {
    HAL_STRUCT inFile;
    std::size_t kind = 0;
    if (LocateConfigRecord(image, false, inFile, message, &kind) != kRecordFound) {
        return false;
    }
    const bool swapped = IsSwapped(inFile);

    HAL_STRUCT outgoing = working;
    if (swapped) {
        ByteSwapRecord(outgoing);
    }
    if (preserveAddresses) {
        // Both records are in the file's byte order here.
        outgoing.RegPhysAddr = inFile.RegPhysAddr;
        outgoing.MemPhysAddr = inFile.MemPhysAddr;
    }
    const std::uint16_t crc = ComputeRecordCrc(outgoing);
    outgoing.Crc = swapped ? Swap16(crc) : crc;

    return ContainerKinds()[kind].write(outgoing, image, change, message) == kRecordFound;
}

} // namespace k7r
