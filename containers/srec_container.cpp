#include "containers/srec_container.h"

#include "containers/messages.h"
#include "containers/raw_container.h"
#include "containers/srec_parser.h"
#include "containers/srec_writer.h"

#include <cstring>

namespace k7r {
namespace {

int LocateInSrec(HAL_STRUCT* destination, std::span<const std::uint8_t> text, bool verify,
                 std::string_view& message, SrecImage& image, std::size_t& recordOffset) {
    message = messages::kNoConfigData;
    if (!IsSrecText(text)) {
        return kNoRecord;
    }
    if (!ParseSrecText(text, image, message)) {
        return kRecordRefused;
    }
    return FindRecordRaw(destination, image.payload, verify, message, &recordOffset);
}

} // namespace

int FindRecordSrec(HAL_STRUCT* destination, std::span<const std::uint8_t> text, bool verify,
                   std::string_view& message) {
    SrecImage image;
    std::size_t recordOffset = 0;
    return LocateInSrec(destination, text, verify, message, image, recordOffset);
}

int WriteRecordSrec(const HAL_STRUCT& record, std::span<std::uint8_t> image, std::size_t& length,
                    std::string_view& message) {
    SrecImage srec;
    std::size_t recordOffset = 0;
    const int result =
        LocateInSrec(nullptr, image.first(length), false, message, srec, recordOffset);
    if (result != kRecordFound) {
        return result;
    }
    std::memcpy(srec.payload.data() + recordOffset, &record, HAL_RECORD_SIZE);
    const std::size_t newLength = SrecTextLength(srec);
    if (newLength > length + kGrowthRoom || newLength > image.size()) {
        message = messages::kSrecTooLong;
        return kRecordRefused;
    }
    WriteSrecText(srec, image);
    length = newLength;
    return kRecordFound;
}

} // namespace k7r
