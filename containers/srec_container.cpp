#include "containers/srec_container.h"

#include "containers/messages.h"
#include "containers/raw_container.h"
#include "containers/srec_format.h"
#include "containers/srec_parser.h"
#include "containers/srec_writer.h"

#include <algorithm>
#include <cstring>

namespace k7r::containers {
namespace {

// Over text known to be S-record text.
int LocateInSrec(HAL_STRUCT* destination, std::span<const std::uint8_t> text, bool verify,
                 std::string_view& message, SrecImage& image, std::size_t& recordOffset) {
    message = messages::kNoConfigData;
    if (!ParseSrecText(text, image, message)) {
        return kRecordRefused;
    }
    return FindRecordRaw(destination, image.payload, verify, message, &recordOffset);
}

// The payload bytes of a line, or of a run of lines.
std::size_t PayloadLength(const SrecLine& line) {
    if (line.type == srec::kOtherLine) {
        return line.count;
    }
    const srec::RecordType& type = *srec::FindRecordType(line.type);
    return type.carriesData ? (line.count - type.addressBytes - 1) * (line.repeats + std::size_t{1})
                            : 0;
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

int LocateInSrecText(HAL_STRUCT* destination, std::span<const std::uint8_t> text, bool verify,
                     std::string_view& message) {
    SrecImage image;
    std::size_t recordOffset = 0;
    return LocateInSrec(destination, text, verify, message, image, recordOffset);
}

int WriteInSrecText(std::span<const std::uint8_t> text, const MakeOutgoing& outgoing,
                    ImageChange& change, std::string_view& message) {
    SrecImage srec;
    HAL_STRUCT stored;
    std::size_t recordOffset = 0;
    const int result = LocateInSrec(&stored, text, false, message, srec, recordOffset);
    if (result != kRecordFound) {
        return result;
    }
    const HAL_STRUCT record = outgoing(stored);
    if (ChangesOtherLines(srec, recordOffset, record)) {
        message = messages::kSrecRecordInText;
        return kRecordRefused;
    }
    std::memcpy(srec.payload.data() + recordOffset, &record, HAL_RECORD_SIZE);
    if (SrecTextLength(srec) > text.size() + kGrowthRoom) {
        message = messages::kSrecTooLong;
        return kRecordRefused;
    }
    change = ImageRewrite{
        [srec = std::move(srec)](const ByteSink& put) { return WriteSrecText(srec, put); },
        text.size()};
    return kRecordFound;
}

int FindRecordSrec(HAL_STRUCT* destination, std::span<const std::uint8_t> text, bool verify,
                   std::string_view& message) {
    message = messages::kNoConfigData;
    return IsSrecText(text) ? LocateInSrecText(destination, text, verify, message) : kNoRecord;
}

int WriteRecordSrec(std::span<const std::uint8_t> image, const MakeOutgoing& outgoing,
                    ImageChange& change, std::string_view& message) {
    message = messages::kNoConfigData;
    return IsSrecText(image) ? WriteInSrecText(image, outgoing, change, message) : kNoRecord;
}

} // namespace k7r::containers
