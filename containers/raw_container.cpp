#include "containers/raw_container.h"

#include "config/byte_order.h"
#include "config/record.h"
#include "containers/byte_scan.h"
#include "containers/messages.h"

#include <algorithm>
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

// Offsets at which the marker starts, in ascending order. The marker's first
// two bytes are looked for many offsets at a time: a byte pair is rare
// enough in any data that the full comparison seldom runs, which keeps the
// scan close to memory speed on large images.
template <typename Visit>
void ForEachMarker(std::span<const std::uint8_t> data, Visit visit) {
    if (data.size() <= HAL_RECORD_SIZE) {
        return;
    }
    const std::uint8_t* base = data.data();
    const std::size_t lastStart = data.size() - HAL_RECORD_SIZE - 1;
    auto visitMarkers = [&](std::size_t from, std::size_t to) {
        for (std::size_t offset = from; offset < to; ++offset) {
            if (std::memcmp(base + offset, HAL_ID_STRING, config::kMarkerLength) == 0 &&
                !visit(offset)) {
                return false;
            }
        }
        return true;
    };
    // Every start offset up to lastStart has a record's length of data
    // behind it, so a step may read one byte past its last offset.
    const std::size_t stepsEnd = (lastStart + 1) / kScanStep * kScanStep;
    for (std::size_t window = 0; window < stepsEnd; window += kScanWindow) {
        const std::size_t windowEnd = std::min(window + kScanWindow, stepsEnd);
        for (std::size_t step = NextCandidateStep(base, window, windowEnd); step < windowEnd;
             step = NextCandidateStep(base, step + kScanStep, windowEnd)) {
            if (!visitMarkers(step, step + kScanStep)) {
                return;
            }
        }
        platform::ReleaseScanned(data.subspan(window, windowEnd - window));
    }
    visitMarkers(stepsEnd, lastStart + 1);
}

} // namespace

int FindRecordRaw(HAL_STRUCT* destination, std::span<const std::uint8_t> data, bool verify,
                  std::string_view& message, std::size_t* recordOffset) {
    message = messages::kNoConfigData;
    int result = kNoRecord;
    bool accepted = false;
    std::size_t found = 0;

    ForEachMarker(data, [&](std::size_t offset) {
        const std::uint8_t* candidate = data.data() + offset;
        const std::uint16_t mark = ReadU16(candidate + offsetof(HAL_STRUCT, EndianMark));
        if (mark != HAL_ENDIAN_MARK && mark != config::kSwappedEndianMark) {
            return true;
        }
        const bool swapped = mark == config::kSwappedEndianMark;
        auto inRecordOrder = [swapped](std::uint16_t v) { return swapped ? config::Swap16(v) : v; };
        if (inRecordOrder(ReadU16(candidate + offsetof(HAL_STRUCT, Size))) != HAL_RECORD_SIZE) {
            if (!accepted) {
                result = kRecordRefused;
                message = messages::kBadStructSize;
            }
            return true;
        }
        if (accepted) {
            result = kRecordRefused;
            message = messages::kMultipleStructs;
            return false;
        }
        accepted = true;
        if (verify) {
            const std::uint16_t stored =
                inRecordOrder(ReadU16(candidate + offsetof(HAL_STRUCT, Crc)));
            if (config::ComputeRecordCrc(candidate) != stored) {
                result = kRecordRefused;
                message = stored == 0 ? messages::kNotConfigured : messages::kCorrupted;
                return true;
            }
        }
        found = offset;
        result = kRecordFound;
        return true;
    });

    if (result == kRecordFound) {
        if (destination != nullptr) {
            std::memcpy(destination, data.data() + found, HAL_RECORD_SIZE);
        }
        if (recordOffset != nullptr) {
            *recordOffset = found;
        }
    }
    return result;
}

int LocateRecordRaw(HAL_STRUCT* destination, std::span<const std::uint8_t> image, bool verify,
                    std::string_view& message) {
    return FindRecordRaw(destination, image, verify, message);
}

int WriteRecordRaw(std::span<const std::uint8_t> image, const MakeOutgoing& outgoing,
                   ImageChange& change, std::string_view& message) {
    HAL_STRUCT stored;
    std::size_t offset = 0;
    const int result = FindRecordRaw(&stored, image, false, message, &offset);
    if (result == kRecordFound) {
        change = RecordPatch{offset, outgoing(stored)};
    }
    return result;
}

} // namespace k7r::containers
