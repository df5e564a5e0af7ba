#include "containers/raw_container.h"

#include "config/byte_order.h"
#include "config/record.h"
#include "containers/messages.h"

#include <cstring>

namespace k7r {
namespace {

std::uint16_t ReadU16(const std::uint8_t* p) {
    std::uint16_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

// Thirty-two bytes side by side; compilers turn operations on it into SIMD
// instructions of the width the target has.
using Block = std::uint8_t __attribute__((vector_size(32)));
constexpr std::size_t kBlocksPerStep = 4;
constexpr std::size_t kStep = sizeof(Block) * kBlocksPerStep;

// On x86-64 Linux the scan also comes in an AVX2 version, chosen when the
// program starts on a processor that has it.
#if defined(__x86_64__) && defined(__ELF__)
#define K7R_SCAN_VERSIONS __attribute__((target_clones("avx2", "default")))
#else
#define K7R_SCAN_VERSIONS
#endif

// The first step from `from` on, up to `end`, in whose kStep offsets the
// marker's first two bytes start; end when there is none. Reads one byte
// beyond each step.
K7R_SCAN_VERSIONS std::size_t NextCandidateStep(const std::uint8_t* base, std::size_t from,
                                                std::size_t end) {
    const auto first = static_cast<std::uint8_t>(HAL_ID_STRING[0]);
    const auto second = static_cast<std::uint8_t>(HAL_ID_STRING[1]);
    for (std::size_t step = from; step < end; step += kStep) {
        Block pairs{};
        for (std::size_t i = step; i < step + kStep; i += sizeof(Block)) {
            Block here;
            Block next;
            std::memcpy(&here, base + i, sizeof here);
            std::memcpy(&next, base + i + 1, sizeof next);
            pairs |= (here == first) & (next == second);
        }
        std::uint64_t words[sizeof(Block) / 8];
        std::memcpy(words, &pairs, sizeof words);
        std::uint64_t any = 0;
        for (std::uint64_t word : words) {
            any |= word;
        }
        if (any != 0) {
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
            if (std::memcmp(base + offset, HAL_ID_STRING, kMarkerLength) == 0 && !visit(offset)) {
                return false;
            }
        }
        return true;
    };
    // Every start offset up to lastStart has a record's length of data
    // behind it, so a step may read one byte past its last offset.
    const std::size_t stepsEnd = (lastStart + 1) / kStep * kStep;
    for (std::size_t step = NextCandidateStep(base, 0, stepsEnd); step < stepsEnd;
         step = NextCandidateStep(base, step + kStep, stepsEnd)) {
        if (!visitMarkers(step, step + kStep)) {
            return;
        }
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
        if (mark != HAL_ENDIAN_MARK && mark != kSwappedEndianMark) {
            return true;
        }
        const bool swapped = mark == kSwappedEndianMark;
        auto inRecordOrder = [swapped](std::uint16_t v) { return swapped ? Swap16(v) : v; };
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
            if (ComputeRecordCrc(candidate) != stored) {
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

} // namespace k7r
