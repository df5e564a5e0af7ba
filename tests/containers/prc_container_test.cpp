#include "containers/messages.h"
#include "containers/prc_codec.h"
#include "containers/prc_container.h"
#include "tests/containers/container_builders.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace k7r {
namespace {

using namespace test;

Bytes Filler(std::size_t size, std::uint32_t seed) {
    std::mt19937 random(seed);
    Bytes bytes(size);
    const std::uint8_t alphabet[] = {0x00, 0x00, 0x00, 0xFF, 0xA9, 0xF0, 0x4E, 0x75};
    for (std::uint8_t& b : bytes) {
        b = alphabet[random() % 8];
    }
    return bytes;
}

Bytes WithRecord(const HAL_STRUCT& record, std::size_t before, std::size_t after) {
    Bytes section = Filler(before, 1);
    const auto bytes = BytesOf(record);
    section.insert(section.end(), bytes.begin(), bytes.end());
    const Bytes tail = Filler(after, 2);
    section.insert(section.end(), tail.begin(), tail.end());
    return section;
}

struct Saved {
    int result;
    std::string_view message;
    Bytes file;
};

Saved Save(const Bytes& file, const HAL_STRUCT& record) {
    Bytes image = test::WithGrowthRoom(file);
    std::size_t length = file.size();
    std::string_view message;
    const int result = WriteRecordPrc(record, image, length, message);
    image.resize(length);
    return {result, message, image};
}

std::string CrcSuffix(const HAL_STRUCT& outgoing) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&outgoing.Crc);
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, "-%02X%02X", bytes[0], bytes[1]);
    return suffix;
}

class PrcContainer : public ::testing::Test {
  protected:
    PrcContainer() {
        HAL_STRUCT longer = test::ConfiguredRecord(40000000);
        // Text where the old record has zeros makes the resource grow.
        std::memset(longer.Description, 'k', 200);
        for (int i = 0; i < 200; i += 3) {
            longer.Description[i] = static_cast<char>('A' + i % 26);
        }
        newRecord = test::OutgoingRecord(longer, true);
    }

    const HAL_STRUCT oldRecord = test::OutgoingRecord(test::ConfiguredRecord(25000000), true);
    HAL_STRUCT newRecord;
    const PrcResource code{"code", 1, Filler(300, 7)};
    const PrcResource prefs{"tAIB", 1000, Filler(90, 8)};
    std::string_view message;

    PrcDataResource DataWithRecordIn(int section) const {
        PrcDataResource data;
        for (int i = 0; i < 3; ++i) {
            data.sections[i] =
                i == section ? WithRecord(oldRecord, 40, 12) : Filler(100 + i, 10 + i);
        }
        return data;
    }
};

TEST_F(PrcContainer, RewritesTheRecordInWhicheverSectionHoldsIt) {
    for (int section = 0; section < 3; ++section) {
        SCOPED_TRACE(section);
        const PrcDataResource data = DataWithRecordIn(section);
        const Bytes resource = data.Build();
        const Bytes file = PrcDatabase("Config-1A2B", {code, {"data", 0, resource}, prefs});
        HAL_STRUCT found{};
        ASSERT_EQ(FindRecordPrc(&found, file, true, message), kRecordFound);
        EXPECT_EQ(std::memcmp(&found, &oldRecord, sizeof found), 0);

        const Saved saved = Save(file, newRecord);
        ASSERT_EQ(saved.result, kRecordFound);
        const ParsedPrc after = ParsePrcDatabase(saved.file);
        ASSERT_EQ(after.resources.size(), 3u);
        EXPECT_EQ(after.name, "Config" + CrcSuffix(newRecord));
        EXPECT_EQ(after.resources[0], code);
        EXPECT_EQ(after.resources[2], prefs) << "moved with its offset, content unchanged";

        const Bytes& newResource = after.resources[1].bytes;
        const std::int64_t delta = std::int64_t(newResource.size()) - std::int64_t(resource.size());
        EXPECT_GT(delta, 0);
        EXPECT_EQ(saved.file.size(), file.size() + delta);
        PrcDataResource expected = data;
        expected.sections[section] = WithRecord(newRecord, 40, 12);
        expected.leading = static_cast<std::uint32_t>(data.leading + delta);
        const PrcDataResource written = PrcDataResource::Parse(newResource);
        EXPECT_EQ(written.leading, expected.leading);
        EXPECT_EQ(written.offsets, expected.offsets);
        EXPECT_EQ(written.sections, expected.sections);
        EXPECT_EQ(written.trailing, expected.trailing);

        ASSERT_EQ(FindRecordPrc(&found, saved.file, true, message), kRecordFound);
        EXPECT_EQ(std::memcmp(&found, &newRecord, sizeof found), 0);
    }
}

TEST_F(PrcContainer, ReadsHandWrittenCodesOfEveryKind) {
    // The record as literals, then one code of each kind around it.
    Bytes codes = {0x01, 0x11, 0x22, 0x02, 0x33, 0x44, 0x55, 0x03, 0x66, 0x77,
                   0x88, 0x04, 0x99, 0xAA, 0xBB, 0xCC, 0x45, 0x23, 0x2A, 0x17};
    const auto record = BytesOf(oldRecord);
    for (std::size_t at = 0; at < record.size(); at += 128) {
        const std::size_t n = std::min<std::size_t>(128, record.size() - at);
        codes.push_back(static_cast<std::uint8_t>(0x7F + n));
        codes.insert(codes.end(), record.begin() + at, record.begin() + at + n);
    }
    codes.insert(codes.end(), {0x80, 0x5A, 0x00});
    const std::array<Bytes, 3> sections = {Bytes{0x00}, codes, Bytes{0x00}};
    const Bytes file = PrcDatabase("Viewer", {{"data", 0, PrcDataResource{}.Build(&sections)}});
    HAL_STRUCT found{};
    ASSERT_EQ(FindRecordPrc(&found, file, true, message), kRecordFound);
    EXPECT_EQ(std::memcmp(&found, &oldRecord, sizeof found), 0);

    const Saved saved = Save(file, oldRecord);
    ASSERT_EQ(saved.result, kRecordFound);
    const PrcDataResource written =
        PrcDataResource::Parse(ParsePrcDatabase(saved.file).resources[0].bytes);
    EXPECT_TRUE(written.sections[0].empty());
    EXPECT_TRUE(written.sections[2].empty());
    Bytes expected = {0,    0,    0,    0,    0xFF, 0xFF, 0x11, 0x22, 0,    0,    0,    0,    0xFF,
                      0x33, 0x44, 0x55, 0xA9, 0xF0, 0,    0,    0x66, 0x77, 0,    0x88, 0xA9, 0xF0,
                      0,    0x99, 0xAA, 0xBB, 0,    0xCC, 0,    0,    0,    0,    0,    0,    0x2A,
                      0x2A, 0x2A, 0x2A, 0x2A, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    expected.insert(expected.end(), record.begin(), record.end());
    expected.push_back(0x5A);
    EXPECT_EQ(written.sections[1], expected);
    EXPECT_LT(saved.file.size(), file.size()) << "the literal record compresses";
}

TEST_F(PrcContainer, ADataResourceAtTheEndChangesTheFileLength) {
    const Bytes resource = DataWithRecordIn(1).Build();
    const Bytes file = PrcDatabase("Viewer", {code, prefs, {"data", 0, resource}}, "HACK");
    const Saved saved = Save(file, newRecord);
    ASSERT_EQ(saved.result, kRecordFound);
    const ParsedPrc after = ParsePrcDatabase(saved.file);
    EXPECT_EQ(after.name, "Viewer" + CrcSuffix(newRecord));
    EXPECT_EQ(after.resources[0], code);
    EXPECT_EQ(after.resources[1], prefs);
    EXPECT_EQ(saved.file.size() - file.size(), after.resources[2].bytes.size() - resource.size());
}

TEST_F(PrcContainer, ReplacesANameSuffixAndRefusesANameWithoutRoom) {
    HAL_STRUCT crc0F0F = newRecord;
    crc0F0F.Crc = 0x0F0F;
    const Bytes resource = DataWithRecordIn(0).Build();
    EXPECT_EQ(
        ParsePrcDatabase(Save(PrcDatabase("Config-1A2B", {{"data", 0, resource}}), crc0F0F).file)
            .name,
        "Config-0F0F");
    std::string dashAfterTheName("Viewer\0old-name", 15);
    EXPECT_EQ(
        ParsePrcDatabase(Save(PrcDatabase(dashAfterTheName, {{"data", 0, resource}}), crc0F0F).file)
            .name,
        "Viewer-0F0F");
    const std::string longest(26, 'N');
    EXPECT_EQ(
        ParsePrcDatabase(Save(PrcDatabase(longest, {{"data", 0, resource}}), crc0F0F).file).name,
        longest + "-0F0F");

    for (const std::string& name : {std::string(27, 'N'), std::string(32, 'N')}) {
        const Bytes file = PrcDatabase(name, {{"data", 0, resource}});
        const Saved saved = Save(file, crc0F0F);
        EXPECT_EQ(saved.result, kRecordRefused);
        EXPECT_EQ(saved.message, messages::kPrcNameFull);
        EXPECT_EQ(saved.file, file);
    }
}

TEST_F(PrcContainer, TellsOtherFilesAndMissingPartsApart) {
    const Bytes resource = DataWithRecordIn(2).Build();
    EXPECT_EQ(
        FindRecordPrc(nullptr, PrcDatabase("Lib", {{"data", 0, resource}}, "libr"), false, message),
        kNoRecord);
    EXPECT_EQ(message, messages::kNoConfigData);

    EXPECT_EQ(FindRecordPrc(nullptr, PrcDatabase("Empty", {}), false, message), kRecordRefused);
    EXPECT_EQ(message, messages::kPrcNoDataResource);
    EXPECT_EQ(FindRecordPrc(nullptr, PrcDatabase("Code", {code}), false, message), kRecordRefused);
    EXPECT_EQ(message, messages::kPrcNoDataResource);

    PrcDataResource unconfigured = DataWithRecordIn(0);
    unconfigured.sections = {Filler(50, 3), {}, Filler(60, 4)};
    EXPECT_EQ(FindRecordPrc(nullptr, PrcDatabase("None", {{"data", 0, unconfigured.Build()}}),
                            false, message),
              kNoRecord);
    EXPECT_EQ(message, messages::kNoConfigData);

    PrcDataResource atTheEnd = DataWithRecordIn(0);
    atTheEnd.sections[0] = WithRecord(oldRecord, 10, 0);
    EXPECT_EQ(
        FindRecordPrc(nullptr, PrcDatabase("End", {{"data", 0, atTheEnd.Build()}}), false, message),
        kNoRecord)
        << "a record that ends with its section is not found";
}

TEST_F(PrcContainer, RefusesHostileDatabasesWithoutTouchingThem) {
    const Bytes resource = DataWithRecordIn(0).Build();
    const Bytes good = PrcDatabase("Config", {{"data", 0, resource}, prefs});
    auto setOffset = [](Bytes file, std::size_t entry, std::uint32_t offset) {
        for (int i = 0; i < 4; ++i) {
            file[78 + 10 * entry + 6 + i] = static_cast<std::uint8_t>(offset >> (24 - 8 * i));
        }
        return file;
    };
    Bytes tooManyEntries = good;
    tooManyEntries[76] = 0x7F;
    Bytes badSection3 = resource;
    badSection3[badSection3.size() - 7] = 0x05; // the last section's code 0
    Bytes cutResource(resource.begin(), resource.begin() + 200);
    const PrcDataResource data = DataWithRecordIn(0);
    std::array<Bytes, 3> codes;
    for (int i = 0; i < 3; ++i) {
        EncodePrcSection(data.sections[i], codes[i]);
        codes[i].push_back(0);
    }
    codes[2].insert(codes[2].begin(), 1100, 0x7F); // 1,100 runs of 64 zero bytes
    const Bytes overlong = data.Build(&codes);

    const std::pair<const char*, Bytes> cases[] = {
        {"resource beyond the end", setOffset(good, 1, 0x10000)},
        {"resource before its own start", setOffset(good, 1, 99)},
        {"resource inside the header", setOffset(good, 0, 20)},
        {"entry table beyond the end", tooManyEntries},
        {"header cut short", Bytes(good.begin(), good.begin() + 70)},
        {"invalid code after the record", PrcDatabase("Config", {{"data", 0, badSection3}})},
        {"codes cut short", PrcDatabase("Config", {{"data", 0, cutResource}})},
        {"section beyond 64 KB", PrcDatabase("Config", {{"data", 0, overlong}})},
    };
    for (const auto& [what, file] : cases) {
        EXPECT_EQ(FindRecordPrc(nullptr, file, false, message), kRecordRefused) << what;
        EXPECT_EQ(message, messages::kPrcUndecodable) << what;
        const Saved saved = Save(file, newRecord);
        EXPECT_EQ(saved.result, kRecordRefused) << what;
        EXPECT_EQ(saved.file, file) << what;
    }
}

TEST_F(PrcContainer, RefusesAResourceThatWouldOutgrowItsLimit) {
    // A section of 64 KB that hardly compresses encodes to more than that.
    std::mt19937 random(3);
    PrcDataResource data;
    data.sections[0] = WithRecord(oldRecord, 0, 1);
    Bytes noise(65536 - data.sections[0].size());
    for (std::uint8_t& b : noise) {
        b = static_cast<std::uint8_t>(random() | 1);
    }
    data.sections[0].insert(data.sections[0].begin(), noise.begin(), noise.end());
    const Bytes file = PrcDatabase("Big", {{"data", 0, data.Build()}});
    ASSERT_EQ(FindRecordPrc(nullptr, file, false, message), kRecordFound);
    const Saved saved = Save(file, newRecord);
    EXPECT_EQ(saved.result, kRecordRefused);
    EXPECT_EQ(saved.message, messages::kPrcTooLarge);
    EXPECT_EQ(saved.file, file);
}

} // namespace
} // namespace k7r
