#include "emu/icd2061a.h"

#include <gtest/gtest.h>

namespace k7r::emu {
namespace {

// Drives the lines as the chip's GPIO writes do: data first with the clock
// high, clock low, data second, clock high.
struct Line {
    Icd2061a& synth;

    void Bit(bool first, bool second) {
        synth.Drive(true, first);
        synth.Drive(false, first);
        synth.Drive(false, second);
        synth.Drive(true, second);
    }
    // Ones, a (0,0), then the start bit, (0,0) unless it is to be wrong.
    void Unlock(int ones = 5, bool goodStart = true) {
        synth.Drive(false, false);
        synth.Drive(true, true);
        for (int n = 0; n < ones; ++n) {
            Bit(true, true);
        }
        Bit(false, false);
        Bit(false, !goodStart);
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

// Each fault is recorded once and ends the word.
TEST(Icd2061a, ProtocolErrorsAreRecorded) {
    struct Case {
        void (*send)(Line&);
        const char* error;
    };
    static const Case kCases[] = {
        {[](Line& l) { l.Unlock(4); }, "start bit after only 4 unlock bits"},
        {[](Line& l) {
             l.Unlock();
             l.Data(kWord, 5);
             l.Bit(true, true);
         },
         "data bit 5 sent as (1,1), not complement then true value"},
        {[](Line& l) {
             l.Unlock();
             l.Data(kWord);
             l.Bit(false, true);
         },
         "word 61899Bh not ended by a (1,1) stop bit"},
        {[](Line& l) { l.Word(7u << 21); },
         "word E00000h addresses register 7, which the board does not use"},
        {[](Line& l) { l.Unlock(6, false); }, "unlock sequence not followed by a (0,0) start bit"},
    };
    for (const Case& c : kCases) {
        Icd2061a synth(0);
        Line line{synth};
        c.send(line);
        EXPECT_EQ(synth.Errors(), std::vector<std::string>{c.error});
        EXPECT_FALSE(synth.Programmed(3).programmed);
    }
}

} // namespace
} // namespace k7r::emu
