#include "containers/raw_container.h"

#include "containers/record_search.h"

namespace k7r::containers {

int FindRecordRaw(HAL_STRUCT* destination, const ImageSource& data, bool verify,
                  std::string_view& message, std::uint64_t* recordOffset) {
    RecordSearch search(verify);
    ImageScan scan(data, 0, platform::ScanBy::Viewing);
    std::uint64_t offset = 0;
    std::size_t keep = 0;
    for (std::span<const std::uint8_t> piece;
         !search.Settled() && !(piece = scan.Next(keep)).empty();) {
        const std::size_t done = search.Scan(piece, offset);
        offset += done;
        keep = piece.size() - done;
    }
    return search.Answer(destination, message, recordOffset);
}

int LocateRecordRaw(HAL_STRUCT* destination, const ImageSource& image, bool verify,
                    std::string_view& message) {
    return FindRecordRaw(destination, image, verify, message);
}

int WriteRecordRaw(const ImageSource& image, const MakeOutgoing& outgoing, ImageChange& change,
                   std::string_view& message) {
    HAL_STRUCT stored;
    std::uint64_t offset = 0;
    const int result = FindRecordRaw(&stored, image, false, message, &offset);
    if (result == kRecordFound) {
        change = RecordPatch{offset, outgoing(stored)};
    }
    return result;
}

} // namespace k7r::containers
