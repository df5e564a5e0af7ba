#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace k7r::emu {

// The ICD2061A clock synthesizer as it sees its serial lines: it decodes the
// programming words the chip's GPIO1 (clock) and GPIO2 (data) pins bit-bang
// into it and keeps what each register was programmed with.
//
// A bit is sampled twice: data at the falling clock edge (the complement)
// and at the next rising edge (the true value). A word is an unlock run of at
// least five (1,1) bits, two (0,0) bits, 24 data bits LSB first each sent as
// (complement, true), and a (1,1) stop bit. Before a word is unlocked, bits
// that are not (1,1) just restart the unlock count (line set-up), except a
// (0,0) start after a run of one to four; from the start bit on every
// deviation is a protocol error, recorded and ending the word.
class Icd2061a {
  public:
    static constexpr int kRegisterCount = 4;

    struct Register {
        bool programmed = false;
        std::uint32_t word = 0;
        std::uint32_t frequencyHz = 0;
    };

    // Every output runs at powerOnHz until programmed.
    explicit Icd2061a(std::uint32_t powerOnHz) : powerOnHz_(powerOnHz) {}

    // The line levels after one register write.
    void Drive(bool clock, bool data);

    const Register& Programmed(int reg) const { return registers_[reg]; }
    std::uint32_t OutputHz(int reg) const;
    // Every complete word in the order received.
    const std::vector<std::uint32_t>& Words() const { return words_; }
    const std::vector<std::string>& Errors() const { return errors_; }

    // The frequency a programming word selects.
    static std::uint32_t WordFrequency(std::uint32_t word);

  private:
    enum class Phase { Unlock, Start, Data, Stop };

    void Bit(bool first, bool second);
    void Fail(std::string message);
    void Commit(std::uint32_t word);

    std::uint32_t powerOnHz_;
    bool clock_ = false;
    bool pendingFirst_ = false;
    bool haveFirst_ = false;
    Phase phase_ = Phase::Unlock;
    int unlockOnes_ = 0;
    int dataBits_ = 0;
    std::uint32_t word_ = 0;
    std::array<Register, kRegisterCount> registers_{};
    std::vector<std::uint32_t> words_;
    std::vector<std::string> errors_;
};

} // namespace k7r::emu
