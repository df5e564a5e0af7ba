#include "containers/srec_container.h"

#include "containers/messages.h"
#include "containers/raw_container.h"
#include "containers/srec_format.h"
#include "containers/srec_parser.h"
#include "containers/srec_writer.h"

#include <algorithm>
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

std::size_t PayloadLength(const SrecLine& line) {
    if (line.type == srec::kOtherLine) {
        return line.count;
    }
    const srec::RecordType& type = *srec::FindRecordType(line.type);
    return type.carriesData ? line.count - type.addressBytes - 1 : 0;
}

// Whether the new record would change characters of lines that are not
// records (the search runs over their text too). Written back there, its
// bytes would no longer be text, or would end lines of their own.
bool ChangesOtherLines(const SrecImage& srec, std::size_t offset, const HAL_STRUCT& record) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
    const std::size_t end = offset + HAL_RECORD_SIZE;
    std::size_t at = 0;
    for (const SrecLine& line : srec.lines) {
        if (at >= end) {
            break;
        }
        const std::size_t next = at + PayloadLength(line);
        if (line.type == srec::kOtherLine) {
            for (std::size_t i = std::max(at, offset); i < std::min(next, end); ++i) {
                if (srec.payload[i] != bytes[i - offset]) {
                    return true;
                }
            }
        }
        at = next;
    }
    return false;
}

} // namespace

int FindRecordSrec(HAL_STRUCT* destination, std::span<const std::uint8_t> text, bool verify,
                   std::string_view& message) {
    SrecImage image;
    std::size_t recordOffset = 0;
    return LocateInSrec(destination, text, verify, message, image, recordOffset);
}

int WriteRecordSrec(std::span<const std::uint8_t> image, const MakeOutgoing& outgoing,
                    ImageChange& change, std::string_view& message) {
    SrecImage srec;
    HAL_STRUCT stored;
    std::size_t recordOffset = 0;
    const int result = LocateInSrec(&stored, image, false, message, srec, recordOffset);
    if (result != kRecordFound) {
        return result;
    }
    const HAL_STRUCT record = outgoing(stored);
    if (ChangesOtherLines(srec, recordOffset, record)) {
        message = messages::kSrecRecordInText;
        return kRecordRefused;
    }
    std::memcpy(srec.payload.data() + recordOffset, &record, HAL_RECORD_SIZE);
    const std::size_t newLength = SrecTextLength(srec);
    if (newLength > image.size() + kGrowthRoom) {
        message = messages::kSrecTooLong;
        return kRecordRefused;
    }
    std::vector<std::uint8_t> text(newLength);
    WriteSrecText(srec, text);
    change = ImageRewrite{std::move(text), image.size()};
    return kRecordFound;
}

} // namespace k7r
