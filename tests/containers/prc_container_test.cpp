#include "containers/messages.h"
#include "containers/prc_container.h"
#include "tests/containers/container_builders.h"

#include <gtest/gtest.h>

#include <random>

namespace k7r::containers {
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

std::string CrcSuffix(const HAL_STRUCT& outgoing) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&outgoing.Crc);
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, "-%02X%02X", bytes[0], bytes[1]);
    return suffix;
}

class PrcContainer : public ::testing::Test {
  protected:
    const HAL_STRUCT oldRecord = test::OutgoingRecord(test::ConfiguredRecord(25000000), true);
    // Text where the old record has zeros makes the resource grow.
    const HAL_STRUCT newRecord = [] {
        HAL_STRUCT longer = test::ConfiguredRecord(40000000);
        std::memset(longer.Description, 'k', 200);
        for (int i = 0; i < 200; i += 3) {
            longer.Description[i] = static_cast<char>('A' + i % 26);
        }
        return test::OutgoingRecord(longer, true);
    }();
    const PrcResource code{"code", 1, Filler(300, 7)};
    const PrcResource prefs{"tAIB", 1000, Filler(90, 8)};
    std::string_view message;

    PrcDataResource DataWithRecordIn(int section) const {
        PrcDataResource data;
        for (int i = 0; i < 3; ++i) {
            data.sections[i] =
                i == section ? PayloadWith(oldRecord, 40, 12) : Filler(100 + i, 10 + i);
        }
        return data;
    }
};

// The data resource first, in the middle and last; the name's suffix
// replacing one after a "-", appended, and filling the name field.
TEST_F(PrcContainer, RewritesTheRecordInWhicheverSectionHoldsIt) {
    const struct {
        std::string name;
        std::string before, after; // the saved name around the suffix
        const char* type;
        std::size_t dataAt;
    } layouts[] = {
        {"Config-1A2B", "Config", "", "appl", 1},
        {std::string("Viewer\0old-name", 15), "Viewer", std::string("\0ame", 4), "HACK", 0},
        {std::string(26, 'N'), std::string(26, 'N'), "", "appl", 2},
    };
    for (int section = 0; section < 3; ++section) {
        SCOPED_TRACE(section);
        const auto& layout = layouts[section];
        const PrcDataResource data = DataWithRecordIn(section);
        std::vector<PrcResource> resources = {code, prefs};
        resources.insert(resources.begin() + layout.dataAt, {"data", 0, data.Build()});
        const Bytes file = PrcDatabase(layout.name, resources, layout.type);
        HAL_STRUCT found{};
        ASSERT_EQ(FindRecordPrc(&found, ImageSource(file), true, message), kRecordFound);
        EXPECT_EQ(std::memcmp(&found, &oldRecord, sizeof found), 0);

        const Saved saved = SaveThrough(WriteRecordPrc, file, newRecord);
        ASSERT_EQ(saved.result, kRecordFound);
        EXPECT_GT(saved.file.size(), file.size()); // so the resources behind the data move
        PrcDataResource expected = data;
        expected.sections[section] = PayloadWith(newRecord, 40, 12);
        expected.leading += expected.Build().size() - resources[layout.dataAt].bytes.size();
        resources[layout.dataAt].bytes = expected.Build();
        const std::string name = layout.before + CrcSuffix(newRecord) + layout.after;
        EXPECT_EQ(saved.file, PrcDatabase(name, resources, layout.type));
    }
}

// Whatever is not found is not saved either; a refused save leaves the
// database as it was.
TEST_F(PrcContainer, RefusesWhatItCannotReadOrRewrite) {
    const Bytes resource = DataWithRecordIn(0).Build();
    const Bytes good = PrcDatabase("Config", {{"data", 0, resource}, prefs});
    auto setOffset = [](Bytes file, std::size_t entry, std::uint32_t offset) {
        for (int i = 0; i < 4; ++i) {
            file[78 + 10 * entry + 6 + i] = static_cast<std::uint8_t>(offset >> (24 - 8 * i));
        }
        return file;
    };
    auto withData = [](const Bytes& data, const std::string& name = "Config") {
        return PrcDatabase(name, {{"data", 0, data}});
    };
    Bytes tooManyEntries = good;
    tooManyEntries[76] = 0x7F;
    Bytes badSection3 = resource;
    badSection3[badSection3.size() - 7] = 0x05; // the last section's code 0
    const PrcDataResource data = DataWithRecordIn(0);
    PrcDataResource overlong = data;
    overlong.sections[2] = Bytes(1100 * 64, 0);
    PrcDataResource noRecord = data;
    noRecord.sections = {Filler(50, 3), {}, Filler(60, 4)};
    PrcDataResource recordEndsSection = data;
    recordEndsSection.sections[0] = PayloadWith(oldRecord, 10, 0);

    // A section of 64 KB that hardly compresses encodes to more than that.
    PrcDataResource big;
    big.sections[0] = PayloadWith(oldRecord, 0, 1);
    std::mt19937 random(3);
    Bytes noise(65536 - big.sections[0].size());
    for (std::uint8_t& b : noise) {
        b = static_cast<std::uint8_t>(random() | 1);
    }
    big.sections[0].insert(big.sections[0].begin(), noise.begin(), noise.end());

    using namespace messages;
    const struct {
        const char* what;
        Bytes file;
        int found;
        std::string_view message;
    } cases[] = {
        {"resource beyond the end", setOffset(good, 1, 0x10000), kRecordRefused, kPrcUndecodable},
        {"resource before its own start", setOffset(good, 1, 99), kRecordRefused, kPrcUndecodable},
        {"resource inside the header", setOffset(good, 0, 20), kRecordRefused, kPrcUndecodable},
        {"entry table beyond the end", tooManyEntries, kRecordRefused, kPrcUndecodable},
        {"header cut short", Bytes(good.begin(), good.begin() + 70), kRecordRefused,
         kPrcUndecodable},
        {"invalid code after the record", withData(badSection3), kRecordRefused, kPrcUndecodable},
        {"codes cut short", withData(Bytes(resource.begin(), resource.begin() + 200)),
         kRecordRefused, kPrcUndecodable},
        {"section beyond 64 KB", withData(overlong.Build()), kRecordRefused, kPrcUndecodable},
        {"no resources", PrcDatabase("Empty", {}), kRecordRefused, kPrcNoDataResource},
        {"no data resource", PrcDatabase("Code", {code}), kRecordRefused, kPrcNoDataResource},
        {"a library", PrcDatabase("Lib", {{"data", 0, resource}}, "libr"), kNoRecord,
         kNoConfigData},
        {"no record", withData(noRecord.Build()), kNoRecord, kNoConfigData},
        {"a record that ends its section", withData(recordEndsSection.Build()), kNoRecord,
         kNoConfigData},
        {"a name without room for the suffix", withData(resource, std::string(27, 'N')),
         kRecordFound, kPrcNameFull},
        {"a name filling its field", withData(resource, std::string(32, 'N')), kRecordFound,
         kPrcNameFull},
        {"a resource outgrowing its limit", withData(big.Build()), kRecordFound, kPrcTooLarge},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindRecordPrc(nullptr, ImageSource(c.file), false, message), c.found) << c.what;
        const Saved saved = SaveThrough(WriteRecordPrc, c.file, newRecord);
        EXPECT_EQ(saved.result, c.found == kRecordFound ? kRecordRefused : c.found) << c.what;
        EXPECT_EQ(c.found == kRecordFound ? saved.message : message, c.message) << c.what;
        EXPECT_EQ(saved.file, c.file) << c.what;
    }
}

Bytes Encode(const Bytes& section) {
    Bytes codes;
    EncodePrcSection(section, codes);
    return codes;
}

// The section the codes decode to, or {0xEE} when they are refused.
Bytes Decode(Bytes codes) {
    Bytes section;
    return DecodePrcSection(codes, section) ? section : Bytes{0xEE};
}

// Each pair decodes both ways: the encoder gives these codes, and they
// (ended by the code 0) decode to the section.
TEST(PrcCodec, EncodesAndDecodesEveryCodeKind) {
    Bytes longLiteral(300);
    for (std::size_t i = 0; i < longLiteral.size(); ++i) {
        longLiteral[i] = static_cast<std::uint8_t>(i * 7 + 1);
    }
    Bytes longLiteralCodes = longLiteral; // in pieces of 128, 128 and 44
    longLiteralCodes.insert(longLiteralCodes.begin() + 256, 0x80 + 43);
    longLiteralCodes.insert(longLiteralCodes.begin() + 128, 0xFF);
    longLiteralCodes.insert(longLiteralCodes.begin(), 0xFF);

    const std::pair<Bytes, Bytes> cases[] = {
        {{}, {}},
        {Bytes(70, 0x00), {0x7F, 0x45}},
        {Bytes(3, 0x00), {0x42}},
        {Bytes(2, 0xFF), {0x11}},
        {Bytes(17, 0xFF), {0x1F, 0x80, 0xFF}},
        {Bytes(3, 0x41), {0x21, 0x41}},
        {Bytes(35, 0x41), {0x3F, 0x41, 0x81, 0x41, 0x41}},
        // A lone 00 and a pair of other bytes stay literal.
        {{0x12, 0x00, 0x34, 0x41, 0x41}, {0x84, 0x12, 0x00, 0x34, 0x41, 0x41}},
        {longLiteral, longLiteralCodes},
        {{0xA9, 0xF0, 0x00, 0x00, 0x11, 0x22, 0x00, 0x33}, {0x03, 0x11, 0x22, 0x33}},
        {{0xA9, 0xF0, 0x00, 0x44, 0x11, 0x22, 0x00, 0x33}, {0x04, 0x44, 0x11, 0x22, 0x33}},
        {{0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x11, 0x22}, {0x01, 0x11, 0x22}},
        {{0x00, 0x00, 0x00, 0x00, 0xFF, 0x10, 0x11, 0x22}, {0x02, 0x10, 0x11, 0x22}},
        // A group that does not fit before the end is runs and literals.
        {{0xA9, 0xF0, 0x00, 0x00, 0x11, 0x22, 0x00},
         {0x81, 0xA9, 0xF0, 0x41, 0x82, 0x11, 0x22, 0x00}},
        // An A9 group anywhere is taken before any FF group; the part before
        // it is encoded by the same rules.
        {{0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x01, 0x02, 0x55, 0xA9, 0xF0, 0x00, 0x00, 0x05, 0x06,
          0x00, 0x07},
         {0x01, 0x01, 0x02, 0x80, 0x55, 0x03, 0x05, 0x06, 0x07}},
    };
    for (const auto& [section, codes] : cases) {
        EXPECT_EQ(Encode(section), codes);
        Bytes ended = codes;
        ended.push_back(0x00);
        EXPECT_EQ(Decode(ended), section);
    }
}

TEST(PrcCodec, RefusesInvalidTruncatedAndOversizedSections) {
    for (std::uint8_t code = 0x05; code <= 0x0F; ++code) {
        EXPECT_EQ(Decode({0x80, 0x42, code, 0x00}), Bytes{0xEE}) << int{code};
    }
    EXPECT_EQ(Decode({0x42}), Bytes{0xEE}) << "no code 0";
    EXPECT_EQ(Decode({0x83, 1, 2}), Bytes{0xEE}) << "literal cut short";
    EXPECT_EQ(Decode({0x21}), Bytes{0xEE});
    EXPECT_EQ(Decode({0x04, 1, 2, 3}), Bytes{0xEE});
    EXPECT_EQ(Decode({}), Bytes{0xEE});
    Bytes section;
    EXPECT_EQ(DecodePrcSection(Bytes{0x80, 0x42, 0x00, 0x99}, section), 3u)
        << "the code 0 ends the section";

    Bytes exactlyFull(1024, 0x7F); // 1,024 runs of 64 zero bytes: 64 KB
    exactlyFull.push_back(0x00);
    EXPECT_EQ(Decode(exactlyFull).size(), 65536u);
    Bytes overfull = exactlyFull;
    overfull.insert(overfull.end() - 1, 0x40);
    EXPECT_EQ(Decode(overfull), Bytes{0xEE});
}

} // namespace
} // namespace k7r::containers
