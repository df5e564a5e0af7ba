#include "containers/prc_container.h"

#include "containers/messages.h"
#include "containers/prc_codec.h"
#include "containers/prc_format.h"
#include "containers/raw_container.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

namespace k7r::containers {
namespace {

using prc::ReadBig16;
using prc::ReadBig32;

struct PrcSection {
    std::uint32_t offsetValue = 0;
    std::vector<std::uint8_t> bytes; // decoded; empty for a section without codes
};

// The "data" resource taken apart.
struct PrcImage {
    std::size_t resourceCount = 0;
    std::size_t dataEntry = 0;
    std::size_t resourceOffset = 0;
    std::size_t resourceLength = 0;
    std::size_t consumedLength = 0; // leading value and the three sections
    std::uint32_t leadingValue = 0;
    std::array<PrcSection, prc::kSectionCount> sections;
    int recordSection = 0;
    std::size_t recordOffset = 0; // within the record's section
};

bool IsApplicationDatabase(const ImageSource& image) {
    std::array<std::uint8_t, 4> type;
    if (!image.ReadAt(prc::kTypeOffset, type)) {
        return false;
    }
    const std::string_view name(reinterpret_cast<const char*>(type.data()), type.size());
    return std::ranges::find(prc::kDatabaseTypes, name) != std::end(prc::kDatabaseTypes);
}

// A resource database lives in a handheld's memory and is small: one that
// is an application's is read whole, and decoded from memory. False when it
// is no application's or cannot be read.
bool ReadApplicationDatabase(const ImageSource& image, std::vector<std::uint8_t>& bytes) {
    if (!IsApplicationDatabase(image)) {
        return false;
    }
    bytes.resize(static_cast<std::size_t>(image.size()));
    return image.ReadAt(0, bytes);
}

std::size_t EntryPosition(std::size_t index) {
    return prc::kEntriesOffset + index * prc::kEntrySize;
}

std::uint32_t EntryDataOffset(std::span<const std::uint8_t> image, std::size_t index) {
    return ReadBig32(image.data() + EntryPosition(index) + prc::kEntryDataOffset);
}

// Finds the "data" resource and checks that the entry table and the
// resource lie inside the file, whatever the header claims.
int LocateDataResource(std::span<const std::uint8_t> image, PrcImage& prc,
                       std::string_view& message) {
    if (image.size() < prc::kEntriesOffset) {
        message = messages::kPrcUndecodable;
        return kRecordRefused;
    }
    prc.resourceCount = ReadBig16(image.data() + prc::kResourceCountOffset);
    if (EntryPosition(prc.resourceCount) > image.size()) {
        message = messages::kPrcUndecodable;
        return kRecordRefused;
    }
    for (prc.dataEntry = 0; prc.dataEntry < prc.resourceCount; ++prc.dataEntry) {
        const auto* type =
            reinterpret_cast<const char*>(image.data() + EntryPosition(prc.dataEntry));
        if (std::string_view(type, 4) == prc::kDataResourceType) {
            break;
        }
    }
    if (prc.dataEntry == prc.resourceCount) {
        message = messages::kPrcNoDataResource;
        return kRecordRefused;
    }
    const std::size_t start = EntryDataOffset(image, prc.dataEntry);
    const std::size_t end = prc.dataEntry + 1 < prc.resourceCount
                                ? EntryDataOffset(image, prc.dataEntry + 1)
                                : image.size();
    if (start < EntryPosition(prc.resourceCount) || start > end || end > image.size()) {
        message = messages::kPrcUndecodable;
        return kRecordRefused;
    }
    prc.resourceOffset = start;
    prc.resourceLength = end - start;
    return kRecordFound;
}

int LocateInPrc(HAL_STRUCT* destination, std::span<const std::uint8_t> image, bool verify,
                std::string_view& message, PrcImage& prc) {
    if (LocateDataResource(image, prc, message) != kRecordFound) {
        return kRecordRefused;
    }
    const std::span<const std::uint8_t> resource =
        image.subspan(prc.resourceOffset, prc.resourceLength);
    if (resource.size() < prc::kLeadingValueSize) {
        message = messages::kPrcUndecodable;
        return kRecordRefused;
    }
    prc.leadingValue = ReadBig32(resource.data());
    std::size_t position = prc::kLeadingValueSize;
    int result = kNoRecord;
    for (int index = 0; index < prc::kSectionCount; ++index) {
        PrcSection& section = prc.sections[index];
        if (resource.size() - position < prc::kSectionOffsetSize) {
            message = messages::kPrcUndecodable;
            return kRecordRefused;
        }
        section.offsetValue = ReadBig32(resource.data() + position);
        position += prc::kSectionOffsetSize;
        const std::optional<std::size_t> used =
            DecodePrcSection(resource.subspan(position), section.bytes);
        if (!used) {
            message = messages::kPrcUndecodable;
            return kRecordRefused;
        }
        position += *used;
        // The first section that gives an answer decides; the later ones
        // are still decoded, so that they can be written back.
        if (!section.bytes.empty() && result == kNoRecord) {
            std::uint64_t recordOffset = 0;
            result = FindRecordRaw(destination, ImageSource(section.bytes), verify, message,
                                   &recordOffset);
            prc.recordOffset = static_cast<std::size_t>(recordOffset);
            prc.recordSection = index;
        }
    }
    prc.consumedLength = position;
    return result;
}

// The resource as it will be written: leading value, each section's offset
// value and codes, the trailing part.
std::vector<std::uint8_t> EncodeResource(const PrcImage& prc, std::span<const std::uint8_t> image) {
    std::vector<std::uint8_t> resource(prc::kLeadingValueSize);
    for (const PrcSection& section : prc.sections) {
        const std::size_t at = resource.size();
        resource.resize(at + prc::kSectionOffsetSize);
        prc::WriteBig32(resource.data() + at, section.offsetValue);
        EncodePrcSection(section.bytes, resource);
        resource.push_back(0);
    }
    const auto trailing = image.subspan(prc.resourceOffset + prc.consumedLength,
                                        prc.resourceLength - prc.consumedLength);
    resource.insert(resource.end(), trailing.begin(), trailing.end());
    const std::uint32_t delta = static_cast<std::uint32_t>(resource.size()) -
                                static_cast<std::uint32_t>(prc.resourceLength);
    prc::WriteBig32(resource.data(), prc.leadingValue + delta);
    return resource;
}

// Where the "-%04X" suffix goes: at the name's first "-", or else at its
// end; nothing when the 32-byte name field has no room for it.
std::optional<std::size_t> NameSuffixPosition(std::span<const std::uint8_t> image) {
    const auto field = image.first(prc::kNameSize);
    const auto name = field.first(std::ranges::find(field, 0) - field.begin());
    const std::size_t position = std::ranges::find(name, '-') - name.begin();
    if (position + prc::kNameSuffixLength + 1 > prc::kNameSize) {
        return std::nullopt;
    }
    return position;
}

} // namespace

int FindRecordPrc(HAL_STRUCT* destination, const ImageSource& source, bool verify,
                  std::string_view& message) {
    message = messages::kNoConfigData;
    std::vector<std::uint8_t> image;
    if (!ReadApplicationDatabase(source, image)) {
        return kNoRecord;
    }
    PrcImage prc;
    return LocateInPrc(destination, image, verify, message, prc);
}

int WriteRecordPrc(const ImageSource& source, const MakeOutgoing& outgoing, ImageChange& change,
                   std::string_view& message) {
    message = messages::kNoConfigData;
    std::vector<std::uint8_t> image;
    if (!ReadApplicationDatabase(source, image)) {
        return kNoRecord;
    }
    PrcImage prc;
    HAL_STRUCT stored;
    const int result = LocateInPrc(&stored, image, false, message, prc);
    if (result != kRecordFound) {
        return result;
    }
    const HAL_STRUCT record = outgoing(stored);
    std::memcpy(prc.sections[prc.recordSection].bytes.data() + prc.recordOffset, &record,
                HAL_RECORD_SIZE);
    const std::vector<std::uint8_t> resource = EncodeResource(prc, image);
    if (resource.size() > prc::kMaxResourceSize ||
        resource.size() > prc.resourceLength + kGrowthRoom) {
        message = messages::kPrcTooLarge;
        return kRecordRefused;
    }
    const std::optional<std::size_t> suffixAt = NameSuffixPosition(image);
    if (!suffixAt) {
        message = messages::kPrcNameFull;
        return kRecordRefused;
    }

    // The header and entry table lie before the resource (the locate checks
    // it): they are all of the head that changes besides the resource.
    std::vector<std::uint8_t> head(image.begin(), image.begin() + prc.resourceOffset);
    const auto delta = static_cast<std::uint32_t>(resource.size() - prc.resourceLength);
    for (std::size_t entry = prc.dataEntry + 1; entry < prc.resourceCount; ++entry) {
        std::uint8_t* offset = head.data() + EntryPosition(entry) + prc::kEntryDataOffset;
        prc::WriteBig32(offset, ReadBig32(offset) + delta);
    }
    const auto* recordBytes = reinterpret_cast<const std::uint8_t*>(&record);
    char suffix[prc::kNameSuffixLength + 1];
    std::snprintf(suffix, sizeof suffix, "-%04X",
                  unsigned{ReadBig16(recordBytes + offsetof(HAL_STRUCT, Crc))});
    std::memcpy(head.data() + *suffixAt, suffix, sizeof suffix);
    head.insert(head.end(), resource.begin(), resource.end());
    const std::uint64_t resumeAt = prc.resourceOffset + prc.resourceLength;
    change =
        ImageRewrite{[head = std::move(head), resumeAt](const ImageSource& file, RewriteSink& out) {
            return out.Put(head) && out.Copy(resumeAt, file.size() - resumeAt);
        }};
    return kRecordFound;
}

} // namespace k7r::containers
