#pragma once

// A software model of the K7R58C22 evaluation board: the chip's register
// block and 256 KB of display memory behind the board driver's three
// requests, the ICD2061A clock synthesizer on GPIO1/GPIO2, and a display
// whose frame timing follows the programmed registers and clocks.
//
// Time is simulated, not measured: every register access takes kAccessNs of
// bus time, during which the display advances by as many pixel clocks. So
// the vertical non-display status (REG[14h] bit 7) changes deterministically
// with the number of register accesses. An access takes a microsecond, a
// slow bus's time, so that the frame-counted waits poll the status a few
// thousand times a frame rather than tens of thousands.
//
// Clocks: CLKI is synthesizer register 0 (the board straps the video clock
// select to it), CLKI2 register 3; before programming both run at the
// power-on frequency of BoardOptions.

#include "emu/icd2061a.h"
#include "hal/chip_registers.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace k7r::emu {

struct BoardOptions {
    // Physical addresses the board decodes; the evaluation board's layout
    // has display memory 2 MB above the registers, which is also what the
    // locate request assumes.
    std::uint32_t registerPhysical = 0x10000000;
    std::uint32_t memoryPhysical = 0x10200000;
    // The only board number the locate request finds.
    std::uint32_t boardNumber = 0;
    // Synthesizer outputs before programming; 0 = no clock, display stopped.
    std::uint32_t powerOnClockHz = 25175000;
    // CNF[6:0] pins as REG[00h] bits 22:16 report them.
    std::uint32_t configPins = 0;
};

class EmulatedBoard {
  public:
    static constexpr std::uint32_t kDisplayMemorySize = 0x40000;
    static constexpr std::uint32_t kRegisterBlockSize = 0x10000;
    static constexpr std::uint32_t kAccessNs = 1000;
    // Product code 0Bh, revision 0, in both places REG[00h] carries them.
    static constexpr std::uint32_t kProductCode = 0x0B;

    explicit EmulatedBoard(const BoardOptions& options = {});

    // Back to power-on state, display memory cleared, no mapping, no bus
    // errors.
    void PowerOn(const BoardOptions& options = {});

    // The driver's requests.
    std::optional<std::uintptr_t> Locate(std::uint32_t board);
    std::optional<std::uintptr_t> Map(std::uint32_t physical, std::uint32_t length);
    bool Unmap(std::uintptr_t linear);

    // Register accesses at process addresses inside the mapped window. The
    // 32-bit read is inline down to the status register's value, for the
    // frame-counted waits, which read it hundreds of thousands of times in
    // one initialization.
    std::uint16_t BusRead16(std::uintptr_t address);
    std::uint32_t BusRead32(std::uintptr_t address) {
        const std::uintptr_t offset = address - registerBlock_;
        return offset < registersMapped_ ? Read32(static_cast<std::uint32_t>(offset))
                                         : StrayRead32(address);
    }
    void BusWrite16(std::uintptr_t address, std::uint16_t value);
    void BusWrite32(std::uintptr_t address, std::uint32_t value);

    // Register accesses by offset, with the same side effects and time.
    std::uint16_t Read16(std::uint32_t offset);
    std::uint32_t Read32(std::uint32_t offset) {
        Tick();
        return offset == hal::reg::kPowerSave ? PowerSaveStatus() : ReadRegister32(offset);
    }
    void Write16(std::uint32_t offset, std::uint16_t value);
    void Write32(std::uint32_t offset, std::uint32_t value);

    // Observation without side effects or time.
    std::uint32_t Peek32(std::uint32_t offset) const;
    std::uint32_t LutEntry(std::uint32_t index) const { return lut_[index & 0xFF]; }
    std::span<std::uint8_t> DisplayMemory();
    std::span<const std::uint8_t> DisplayMemory() const;
    const Icd2061a& Synthesizer() const { return synth_; }
    std::uint64_t FramesCompleted() const { return frames_; }
    std::uint32_t PixelClockHz() const;
    // Frames a second of the display as the last register write left it.
    std::uint32_t FrameRateHz() const {
        return static_cast<std::uint32_t>(pixelClockHz_ / frameLength_);
    }
    int UsbResets() const { return usbResets_; }
    int ChipResets() const { return chipResets_; }
    std::uint32_t LastLocatedBoard() const { return lastLocatedBoard_; }
    bool IsMapped() const { return !window_.empty(); }
    std::uint32_t MappedPhysical() const { return windowPhysical_; }
    // Accesses the board could not serve: outside the register block, wrong
    // width, misaligned; and stores into an unmapped window where there is
    // no display memory. Those are looked for when asked (or when a window
    // is mapped again): comparing megabytes of memory would cost every run
    // of a program, though only tests ask.
    const std::vector<std::string>& BusErrors() const;

  private:
    static constexpr std::uint64_t kNsPerSecond = 1000000000;

    std::optional<std::uint32_t> RegisterOffset(std::uintptr_t address, std::uint32_t width);
    std::uint32_t StrayRead32(std::uintptr_t address);
    void BusError(const char* what, std::uint32_t offset, std::uint32_t width);
    void Store16(std::uint32_t offset, std::uint16_t value);
    void Store32(std::uint32_t offset, std::uint32_t value);
    void TakeStorage(std::size_t room);
    void Reset(const BoardOptions& options);
    void CheckStrayStores() const;
    void LatchClockAndTiming();
    std::uint32_t ReadRegister32(std::uint32_t offset);
    // REG[14h] with the bits the chip drives.
    std::uint32_t PowerSaveStatus() const {
        const std::uint32_t value = regs_[hal::reg::kPowerSave / 4];
        if ((value & hal::reg::kPowerSaveMode) != 0) {
            return value | hal::reg::kMemoryPoweredDown;
        }
        // The lines after the vertical display period up to the vertical
        // total.
        return framePosition_ >= displayedLength_ ? value | hal::reg::kVerticalNonDisplay : value;
    }
    // One access's time. The pixel clocks of an access in whole ones and a
    // fraction are added up without dividing, and most accesses stay within
    // the frame: dividing only when they do not keeps the waits cheap.
    void Tick() {
        if ((regs_[hal::reg::kPowerSave / 4] & hal::reg::kPowerSaveMode) != 0) {
            return;
        }
        framePosition_ += pixelsPerAccess_;
        clockFraction_ += fractionPerAccess_;
        if (clockFraction_ >= kNsPerSecond) {
            clockFraction_ -= kNsPerSecond;
            ++framePosition_;
        }
        if (framePosition_ >= frameLength_) {
            frames_ += framePosition_ / frameLength_;
            framePosition_ %= frameLength_;
        }
    }
    void WriteGpio(std::uint32_t value);

    BoardOptions options_;
    std::array<std::uint32_t, kRegisterBlockSize / 4> regs_{};
    std::array<std::uint32_t, 256> lut_{};
    std::uint32_t lutReadIndex_ = 0;
    // Display memory with room for a window on either side, taken once
    // from the system zeroed and kept. A window is placed around display
    // memory, so that the layer's plain memory accesses land in it and
    // nothing is copied in or out; the rest of a window reads as the
    // system's zeros and costs no memory until something is stored there.
    struct Free {
        void operator()(std::uint8_t* bytes) const { std::free(bytes); }
    };
    std::unique_ptr<std::uint8_t[], Free> storage_;
    std::size_t room_ = 0;
    std::span<std::uint8_t> memory_;
    std::span<std::uint8_t> window_;
    // The last window given back, until it has been looked at for stray
    // stores.
    mutable std::span<std::uint8_t> unchecked_;
    std::uint32_t windowPhysical_ = 0;
    // Where in the window the register block starts, and how many of its
    // bytes lie in the window from there; 0 while unmapped, or when the
    // block starts before the window.
    std::uintptr_t registerBlock_ = 0;
    std::uintptr_t registersMapped_ = 0;
    Icd2061a synth_;
    // What the last register write left of the pixel clock and the frame:
    // only writes change them, and every access needs them. In pixel clocks,
    // the frame and its lines up to the end of the vertical display period.
    std::uint32_t pixelClockHz_ = 0;
    // What one access adds: whole pixel clocks, and the fraction (in 1e-9
    // units) that carries over.
    std::uint64_t pixelsPerAccess_ = 0;
    std::uint64_t fractionPerAccess_ = 0;
    std::uint64_t frameLength_ = 1;
    std::uint64_t displayedLength_ = 1;
    // Display position in pixel clocks within the frame, and the fraction of
    // a pixel clock (in 1e-9 units) carried between accesses.
    std::uint64_t framePosition_ = 0;
    std::uint64_t clockFraction_ = 0;
    std::uint64_t frames_ = 0;
    int usbResets_ = 0;
    int chipResets_ = 0;
    std::uint32_t lastLocatedBoard_ = 0;
    mutable std::vector<std::string> busErrors_;
};

} // namespace k7r::emu
