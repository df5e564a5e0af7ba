#include "emu/icd2061a.h"

#include <gtest/gtest.h>

namespace k7r::emu {
namespace {

// Drives the lines as the chip's GPIO writes do: data first with the clock
// high, clock low, data second, clock high.
struct Line {
    Icd2061a& synth;
    bool data = false;

    void Bit(bool first, bool second) {
        synth.Drive(true, first);
        synth.Drive(false, first);
        synth.Drive(false, second);
        synth.Drive(true, second);
    }
    void Unlock(int ones = 5) {
        synth.Drive(false, false);
        synth.Drive(true, true);
        for (int n = 0; n < ones; ++n) {
            Bit(true, true);
        }
        Bit(false, false);
        Bit(false, false);
    }
    void Data(std::uint32_t word, int bits = 24) {
        for (int b = 0; b < bits; ++b) {
            const bool bit = ((word >> b) & 1) != 0;
            Bit(!bit, bit);
        }
    }
    void Word(std::uint32_t word) {
        Unlock();
        Data(word);
        Bit(true, true);
        synth.Drive(false, false);
    }
};

// Register 3, I 0, P 101, M 3, Q 29: 2 x 14.31818 MHz x 101 / 29 / 8.
constexpr std::uint32_t kWord = 3u << 21 | 0u << 17 | (101u - 3) << 10 | 3u << 7 | (29u - 2);

TEST(Icd2061a, DecodesWordsIntoTheirRegisters) {
    Icd2061a synth(25175000);
    EXPECT_EQ(synth.OutputHz(3), 25175000u);
    Line line{synth};
    line.Word(kWord);
    line.Word(kWord & ~(3u << 21)); // register 0
    ASSERT_TRUE(synth.Errors().empty()) << synth.Errors().front();
    EXPECT_EQ(synth.Words(), (std::vector<std::uint32_t>{kWord, kWord & ~(3u << 21)}));
    EXPECT_TRUE(synth.Programmed(3).programmed);
    EXPECT_EQ(synth.Programmed(3).word, kWord);
    EXPECT_EQ(synth.OutputHz(3), 14318180u * 101 * 2 / 29 / 8);
    EXPECT_EQ(synth.OutputHz(0), synth.OutputHz(3));
    EXPECT_FALSE(synth.Programmed(1).programmed);
    EXPECT_EQ(synth.OutputHz(1), 25175000u);
}

TEST(Icd2061a, ProtocolErrorsAreRecordedAndEndTheWord) {
    Icd2061a synth(0);
    Line line{synth};
    line.Unlock(4);
    ASSERT_EQ(synth.Errors().size(), 1u);
    EXPECT_EQ(synth.Errors()[0], "start bit after only 4 unlock bits");

    line.Unlock();
    line.Data(kWord, 5);
    line.Bit(true, true); // bit 5 not as complement and true value
    ASSERT_EQ(synth.Errors().size(), 2u);
    EXPECT_EQ(synth.Errors()[1], "data bit 5 sent as (1,1), not complement then true value");

    line.Unlock();
    line.Data(kWord);
    line.Bit(false, true);
    ASSERT_EQ(synth.Errors().size(), 3u);
    EXPECT_EQ(synth.Errors()[2], "word 61899Bh not ended by a (1,1) stop bit");

    line.Word(7u << 21);
    ASSERT_EQ(synth.Errors().size(), 4u);
    EXPECT_EQ(synth.Errors()[3], "word E00000h addresses register 7, which the board does not use");
    EXPECT_FALSE(synth.Programmed(3).programmed);
}

TEST(Icd2061a, UnlockMissingTheSecondZeroIsAnError) {
    Icd2061a synth(0);
    Line line{synth};
    synth.Drive(true, true);
    for (int n = 0; n < 6; ++n) {
        line.Bit(true, true);
    }
    line.Bit(false, false);
    line.Bit(false, true);
    ASSERT_EQ(synth.Errors().size(), 1u);
    EXPECT_EQ(synth.Errors()[0], "unlock sequence not followed by a (0,0) start bit");
}

} // namespace
} // namespace k7r::emu
