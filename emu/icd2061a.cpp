#include "emu/icd2061a.h"

#include <cstdio>

namespace k7r::emu {
namespace {

constexpr std::uint32_t kReferenceHz = 14318180;
constexpr int kUnlockOnes = 5;
constexpr int kWordBits = 24;

std::string Formatted(const char* format, unsigned a, unsigned b = 0, unsigned c = 0) {
    char text[160];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

} // namespace

std::uint32_t Icd2061a::WordFrequency(std::uint32_t word) {
    const std::uint32_t p = ((word >> 10) & 0x7F) + 3;
    const std::uint32_t m = (word >> 7) & 7;
    const std::uint32_t q = (word & 0x7F) + 2;
    return kReferenceHz * p * 2 / q / (1u << m);
}

std::uint32_t Icd2061a::OutputHz(int reg) const {
    return registers_[reg].programmed ? registers_[reg].frequencyHz : powerOnHz_;
}

void Icd2061a::Drive(bool clock, bool data) {
    if (clock_ && !clock) {
        pendingFirst_ = data;
        haveFirst_ = true;
    } else if (!clock_ && clock && haveFirst_) {
        haveFirst_ = false;
        Bit(pendingFirst_, data);
    }
    clock_ = clock;
}

void Icd2061a::Bit(bool first, bool second) {
    switch (phase_) {
    case Phase::Unlock:
        if (first && second) {
            ++unlockOnes_;
        } else if (!first && !second) {
            if (unlockOnes_ >= kUnlockOnes) {
                phase_ = Phase::Start;
            } else if (unlockOnes_ > 0) {
                Fail(Formatted("start bit after only %u unlock bits", unlockOnes_));
            }
        } else {
            unlockOnes_ = 0;
        }
        break;
    case Phase::Start:
        if (first || second) {
            Fail("unlock sequence not followed by a (0,0) start bit");
        } else {
            phase_ = Phase::Data;
            dataBits_ = 0;
            word_ = 0;
        }
        break;
    case Phase::Data:
        if (first == second) {
            Fail(Formatted("data bit %u sent as (%u,%u), not complement then true value", dataBits_,
                           first, second));
            break;
        }
        word_ |= static_cast<std::uint32_t>(second) << dataBits_;
        if (++dataBits_ == kWordBits) {
            phase_ = Phase::Stop;
        }
        break;
    case Phase::Stop:
        if (first && second) {
            Commit(word_);
        } else {
            Fail(Formatted("word %06Xh not ended by a (1,1) stop bit", word_));
        }
        phase_ = Phase::Unlock;
        unlockOnes_ = 0;
        break;
    }
}

void Icd2061a::Fail(std::string message) {
    errors_.push_back(std::move(message));
    phase_ = Phase::Unlock;
    unlockOnes_ = 0;
}

void Icd2061a::Commit(std::uint32_t word) {
    words_.push_back(word);
    const std::uint32_t reg = word >> 21;
    if (reg >= kRegisterCount) {
        errors_.push_back(
            Formatted("word %06Xh addresses register %u, which the board does not use", word, reg));
        return;
    }
    registers_[reg] = {.programmed = true, .word = word, .frequencyHz = WordFrequency(word)};
}

} // namespace k7r::emu
