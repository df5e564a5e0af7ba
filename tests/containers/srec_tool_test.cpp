// S-record files made by objcopy from compiled data, saved into by this
// kind, and checked by other tools: srec_cat must read them without a
// checksum complaint, and their binary content may differ only in the
// record's bytes.
#include "containers/messages.h"
#include "containers/srec_container.h"
#include "tests/containers/container_builders.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace k7r::containers {
namespace {

using namespace test;

const std::string kFixtures = K7R_SREC_FIXTURES;
const std::string kWork = K7R_BINARY_DIR "/tests/containers/";

int RunTool(const std::string& command) {
    return std::system((command + " 2>/dev/null").c_str());
}

Bytes ToBinary(const std::string& srec) {
    const std::string out = srec + ".bin";
    EXPECT_EQ(RunTool("objcopy -I srec -O binary " + srec + " " + out), 0);
    return ReadFileBytes(out);
}

struct Fixture {
    const char* file;
    bool bigEndian;
};

class SrecFromObjcopy : public ::testing::TestWithParam<Fixture> {};

TEST_P(SrecFromObjcopy, SavesSoThatOtherToolsSeeOnlyTheRecordChange) {
    const Fixture& fixture = GetParam();
    SCOPED_TRACE(fixture.file);
    const std::string before = kFixtures + "/" + fixture.file;
    const Bytes file = ReadFileBytes(before);
    ASSERT_FALSE(file.empty());

    std::string_view message;
    EXPECT_EQ(FindRecordSrec(nullptr, ImageSource(file), true, message), kRecordRefused);
    EXPECT_EQ(message, messages::kNotConfigured);
    HAL_STRUCT stored{};
    ASSERT_EQ(FindRecordSrec(&stored, ImageSource(file), false, message), kRecordFound);
    EXPECT_EQ(stored.EndianMark, fixture.bigEndian ? 0x3412 : 0x1234);

    const HAL_STRUCT outgoing = OutgoingRecord(ConfiguredRecord(33000000), fixture.bigEndian);
    ImageChange change;
    ASSERT_EQ(WriteRecordSrec(ImageSource(file), Writing(outgoing), change, message), kRecordFound);
    const Bytes image = Changed(file, change);
    EXPECT_EQ(image.size(), file.size()) << "upper case, one line end throughout: same length";
    const std::string after = kWork + "saved-" + fixture.file;
    WriteFileBytes(after, image);

    HAL_STRUCT found{};
    ASSERT_EQ(FindRecordSrec(&found, ImageSource(image), true, message), kRecordFound);
    EXPECT_EQ(std::memcmp(&found, &outgoing, sizeof found), 0);

    EXPECT_EQ(RunTool("srec_cat " + after + " -o /dev/null"), 0);

    Bytes expected = ToBinary(before);
    const auto marker = std::search(expected.begin(), expected.end(), HAL_ID_STRING,
                                    HAL_ID_STRING + sizeof HAL_ID_STRING);
    ASSERT_NE(marker, expected.end());
    std::memcpy(&*marker, &outgoing, sizeof outgoing);
    EXPECT_EQ(ToBinary(after), expected);
}

INSTANTIATE_TEST_SUITE_P(Objcopy, SrecFromObjcopy,
                         ::testing::Values(Fixture{"host.s19", false}, Fixture{"m68k.s28", true},
                                           Fixture{"m68k.s37", true}));

} // namespace
} // namespace k7r::containers
