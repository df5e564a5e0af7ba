#include "containers/record_search.h"

#include "config/byte_order.h"
#include "config/record.h"
#include "containers/byte_scan.h"

#include <cstring>

namespace k7r::containers {
namespace {

std::uint16_t ReadU16(const std::uint8_t* p) {
    std::uint16_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

// The first step from `from` on, up to `end`, in whose kScanStep offsets the
// marker's first two bytes start; end when there is none. Reads one byte
// beyond each step.
K7R_SCAN_VERSIONS std::size_t NextCandidateStep(const std::uint8_t* base, std::size_t from,
                                                std::size_t end) {
    const auto first = static_cast<std::uint8_t>(HAL_ID_STRING[0]);
    const auto second = static_cast<std::uint8_t>(HAL_ID_STRING[1]);
    for (std::size_t step = from; step < end; step += kScanStep) {
        ByteBlock pairs{};
        for (std::size_t i = step; i < step + kScanStep; i += sizeof(ByteBlock)) {
            ByteBlock here;
            ByteBlock next;
            LoadBlock(here, base + i);
            LoadBlock(next, base + i + 1);
            pairs |= (here == first) & (next == second);
        }
        if (AnySet(pairs)) {
            return step;
        }
    }
    return end;
}

} // namespace

// The marker's first two bytes are looked for many offsets at a time: a
// byte pair is rare enough in any data that the full comparison seldom
// runs, which keeps the scan close to memory speed on large images.
std::size_t RecordSearch::Scan(std::span<const std::uint8_t> bytes, std::uint64_t offset) {
    if (settled_) {
        return bytes.size();
    }
    if (bytes.size() <= HAL_RECORD_SIZE) {
        return 0;
    }
    const std::uint8_t* base = bytes.data();
    const std::size_t starts = bytes.size() - HAL_RECORD_SIZE;
    auto visitMarkers = [&](std::size_t from, std::size_t to) {
        for (std::size_t at = from; at < to; ++at) {
            if (std::memcmp(base + at, HAL_ID_STRING, config::kMarkerLength) == 0 &&
                !Visit(base + at, offset + at)) {
                return false;
            }
        }
        return true;
    };
    // Every start has a record's length of bytes behind it, so a step may
    // read one byte past its last start.
    const std::size_t stepsEnd = starts / kScanStep * kScanStep;
    for (std::size_t step = NextCandidateStep(base, 0, stepsEnd); step < stepsEnd;
         step = NextCandidateStep(base, step + kScanStep, stepsEnd)) {
        if (!visitMarkers(step, step + kScanStep)) {
            return bytes.size();
        }
    }
    if (!visitMarkers(stepsEnd, starts)) {
        return bytes.size();
    }
    return starts;
}

// Whether the search goes on after the candidate at offset.
bool RecordSearch::Visit(const std::uint8_t* candidate, std::uint64_t offset) {
    const std::uint16_t mark = ReadU16(candidate + offsetof(HAL_STRUCT, EndianMark));
    if (mark != HAL_ENDIAN_MARK && mark != config::kSwappedEndianMark) {
        return true;
    }
    const bool swapped = mark == config::kSwappedEndianMark;
    auto inRecordOrder = [swapped](std::uint16_t v) { return swapped ? config::Swap16(v) : v; };
    if (inRecordOrder(ReadU16(candidate + offsetof(HAL_STRUCT, Size))) != HAL_RECORD_SIZE) {
        if (!accepted_) {
            result_ = kRecordRefused;
            message_ = messages::kBadStructSize;
        }
        return true;
    }
    if (accepted_) {
        result_ = kRecordRefused;
        message_ = messages::kMultipleStructs;
        settled_ = true;
        return false;
    }
    accepted_ = true;
    if (verify_) {
        const std::uint16_t stored = inRecordOrder(ReadU16(candidate + offsetof(HAL_STRUCT, Crc)));
        if (config::ComputeRecordCrc(candidate) != stored) {
            result_ = kRecordRefused;
            message_ = stored == 0 ? messages::kNotConfigured : messages::kCorrupted;
            return true;
        }
    }
    found_ = offset;
    std::memcpy(&record_, candidate, HAL_RECORD_SIZE);
    result_ = kRecordFound;
    return true;
}

int RecordSearch::Answer(HAL_STRUCT* destination, std::string_view& message,
                         std::uint64_t* recordOffset) const {
    message = message_;
    if (result_ == kRecordFound) {
        if (destination != nullptr) {
            *destination = record_;
        }
        if (recordOffset != nullptr) {
            *recordOffset = found_;
        }
    }
    return result_;
}

} // namespace k7r::containers
