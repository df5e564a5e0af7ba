#pragma once

// Records and files of the S-record and PRC kinds built for tests,
// independently of the code under test (the PRC sections use the tested
// encoder, which has tests of its own).
#include "config/byte_order.h"
#include "config/default_records.h"
#include "config/record.h"
#include "containers/container_kind.h"
#include "containers/prc_codec.h"
#include "tests/support/test_files.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace k7r::test {

// The template record in host order, configured, with the given input clock
// so that records of different tests differ.
inline HAL_STRUCT ConfiguredRecord(std::uint32_t clock) {
    HAL_STRUCT record = TemplateRecord;
    record.ClkI = clock;
    record.Crc = config::ComputeRecordCrc(record);
    return record;
}

// A record in a file's byte order with its Crc filled in, as a save hands
// it to a container kind.
inline HAL_STRUCT OutgoingRecord(const HAL_STRUCT& hostRecord, bool bigEndian) {
    HAL_STRUCT record = hostRecord;
    if (bigEndian) {
        config::ByteSwapRecord(record);
    }
    const std::uint16_t crc = config::ComputeRecordCrc(record);
    record.Crc = bigEndian ? config::Swap16(crc) : crc;
    return record;
}

inline std::span<const std::uint8_t> BytesOf(const HAL_STRUCT& record) {
    return {reinterpret_cast<const std::uint8_t*>(&record), sizeof record};
}

inline std::string_view TextOf(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// What a write operation is asked to write, whatever the file holds.
inline containers::MakeOutgoing Writing(const HAL_STRUCT& record) {
    return [record](const HAL_STRUCT&) { return record; };
}

// The file as a save's change leaves it, reading the file again in pieces
// of the given size; a copy from outside the file gives nothing.
inline Bytes Changed(std::span<const std::uint8_t> file, const containers::ImageChange& change,
                     std::size_t pieceSize = SIZE_MAX) {
    Bytes changed(file.begin(), file.end());
    if (const auto* patch = std::get_if<containers::RecordPatch>(&change)) {
        std::memcpy(changed.data() + patch->offset, &patch->record, sizeof patch->record);
        return changed;
    }
    struct Gather final : containers::RewriteSink {
        Gather(Bytes& into, std::span<const std::uint8_t> source) : out(into), from(source) {}
        bool Put(std::span<const std::uint8_t> bytes) override {
            out.insert(out.end(), bytes.begin(), bytes.end());
            return true;
        }
        bool Copy(std::uint64_t offset, std::uint64_t length) override {
            if (offset > from.size() || length > from.size() - offset) {
                return false;
            }
            const auto stretch = from.subspan(offset, length);
            out.insert(out.end(), stretch.begin(), stretch.end());
            return true;
        }
        Bytes& out;
        std::span<const std::uint8_t> from;
    };
    changed.clear();
    Gather gather(changed, file);
    if (!std::get<containers::ImageRewrite>(change).write(containers::ImageSource(file, pieceSize),
                                                          gather)) {
        changed.clear();
    }
    return changed;
}

// What a save of record through a kind's write operation made, reading the
// file in pieces of the given size: its result, its message, and the file
// as it stands afterwards.
struct Saved {
    int result;
    std::string_view message;
    Bytes file;
};

inline Saved SaveThrough(containers::WriteRecord write, std::span<const std::uint8_t> file,
                         const HAL_STRUCT& record, std::size_t pieceSize = SIZE_MAX) {
    containers::ImageChange change;
    std::string_view message;
    const int result =
        write(containers::ImageSource(file, pieceSize), Writing(record), change, message);
    if (result != containers::kRecordFound) {
        return {result, message, Bytes(file.begin(), file.end())};
    }
    return {result, message, Changed(file, change, pieceSize)};
}

// One record line of a type with two address bytes, or three for S2,
// built independently of the writer under test.
inline std::string SrecRecordLine(char type, std::uint32_t address,
                                  std::span<const std::uint8_t> data = {}) {
    const int addressBytes = type == '2' ? 3 : 2;
    std::vector<std::uint8_t> bytes{static_cast<std::uint8_t>(addressBytes + data.size() + 1)};
    for (int shift = 8 * (addressBytes - 1); shift >= 0; shift -= 8) {
        bytes.push_back(static_cast<std::uint8_t>(address >> shift));
    }
    bytes.insert(bytes.end(), data.begin(), data.end());
    bytes.push_back(static_cast<std::uint8_t>(~std::accumulate(bytes.begin(), bytes.end(), 0u)));
    std::string line = {'S', type};
    for (std::uint8_t b : bytes) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", b);
        line += hex;
    }
    return line;
}

// Filler, the record, more filler: the payload of a test file.
inline Bytes PayloadWith(const HAL_STRUCT& record, std::size_t before = 45,
                         std::size_t after = 30) {
    Bytes payload(before + sizeof record + after, 0x5E);
    std::fill_n(payload.begin(), before, 0xE5);
    std::memcpy(payload.data() + before, &record, sizeof record);
    return payload;
}

// S0 header, the payload in S1 lines of 32 bytes (S2 from switchLine on),
// S9; each line followed by eol.
inline std::string SrecText(std::span<const std::uint8_t> payload, std::string_view eol = "\n",
                            std::size_t switchLine = SIZE_MAX) {
    static const std::uint8_t kHeader[] = {'t', 'e', 's', 't'};
    std::string text = SrecRecordLine('0', 0, kHeader) + std::string(eol);
    for (std::size_t at = 0, line = 0; at < payload.size(); at += 32, ++line) {
        const std::size_t n = std::min<std::size_t>(32, payload.size() - at);
        const char type = line >= switchLine ? '2' : '1';
        const std::uint32_t address = static_cast<std::uint32_t>(at) + (type == '2' ? 0x10000 : 0);
        text += SrecRecordLine(type, address, payload.subspan(at, n)) + std::string(eol);
    }
    return text + SrecRecordLine('9', 0) + std::string(eol);
}

inline void Put32(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

struct PrcResource {
    std::string type;
    std::uint16_t id;
    Bytes bytes;
};

// A resource database laid out as the Palm tools do: header, entry table,
// two bytes of padding, then the resources in table order.
inline Bytes PrcDatabase(std::string_view name, const std::vector<PrcResource>& resources,
                         std::string_view type = "appl") {
    Bytes db(78);
    std::memcpy(db.data(), name.data(), name.size());
    std::memcpy(db.data() + 60, type.data(), 4);
    std::memcpy(db.data() + 64, "K7RC", 4);
    db[76] = static_cast<std::uint8_t>(resources.size() >> 8);
    db[77] = static_cast<std::uint8_t>(resources.size());
    std::uint32_t offset = static_cast<std::uint32_t>(78 + 10 * resources.size() + 2);
    for (const PrcResource& r : resources) {
        db.insert(db.end(), r.type.begin(), r.type.end());
        db.push_back(static_cast<std::uint8_t>(r.id >> 8));
        db.push_back(static_cast<std::uint8_t>(r.id));
        Put32(db, offset);
        offset += static_cast<std::uint32_t>(r.bytes.size());
    }
    db.resize(db.size() + 2);
    for (const PrcResource& r : resources) {
        db.insert(db.end(), r.bytes.begin(), r.bytes.end());
    }
    return db;
}

// The "data" resource: a leading value, three sections of an offset value
// and codes, a trailing part.
struct PrcDataResource {
    std::uint32_t leading = 0x00001234;
    std::array<std::uint32_t, 3> offsets = {0x20, 0x400, 0x800};
    std::array<Bytes, 3> sections;
    // Not a braced list, which GCC 12 at -O3 takes for uninitialised.
    static constexpr std::uint8_t kTrailing[] = {0xDE, 0xAD, 0xBE, 0xEF, 0x00, 0x01};
    Bytes trailing = Bytes(std::begin(kTrailing), std::end(kTrailing));

    Bytes Build() const {
        Bytes out;
        Put32(out, leading);
        for (int i = 0; i < 3; ++i) {
            Put32(out, offsets[i]);
            containers::EncodePrcSection(sections[i], out);
            out.push_back(0);
        }
        out.insert(out.end(), trailing.begin(), trailing.end());
        return out;
    }
};

} // namespace k7r::test
