#include "emu/board.h"

#include "hal/chip_registers.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <new>
#include <utility>

namespace k7r::emu {
namespace {

// REG[14h] bits the chip drives itself.
constexpr std::uint32_t kPowerSaveStatusBits =
    hal::reg::kVerticalNonDisplay | hal::reg::kMemoryPoweredDown;
// REG[60h] bits 23:16 only trigger a reset; they read back as 0.
constexpr std::uint32_t kResetField = 0x00FF0000;
constexpr std::uint32_t kResetTrigger = 0x5B;
constexpr std::uint32_t kGpio1Output = 1u << 17;
constexpr std::uint32_t kGpio2Output = 1u << 18;
// What the window holds where the board decodes nothing: the zeros of
// memory the system has just given, untouched, rather than the ones an
// open bus would read, which would cost a page of memory for every 4 KiB
// of a window of megabytes on every mapping.
constexpr std::uint8_t kOpenBus = 0x00;
// The window the locate request maps.
constexpr std::uint32_t kLocatedWindowSize = 0x400000;

// Where the first byte from `from` up to `to` lies that no longer holds the
// open bus's value; `to` when there is none. Whole pages are compared at
// memcmp's speed, the bytes only of a page that differs: the window is
// megabytes large.
std::size_t FirstStore(std::span<const std::uint8_t> window, std::size_t from, std::size_t to) {
    static const std::array<std::uint8_t, 4096> kUntouched = [] {
        std::array<std::uint8_t, 4096> page;
        page.fill(kOpenBus);
        return page;
    }();
    for (std::size_t at = from; at < to; at += kUntouched.size()) {
        const std::size_t length = std::min(kUntouched.size(), to - at);
        if (std::memcmp(window.data() + at, kUntouched.data(), length) != 0) {
            const auto bytes = window.subspan(at, length);
            return at +
                   static_cast<std::size_t>(
                       std::ranges::find_if(bytes, [](std::uint8_t b) { return b != kOpenBus; }) -
                       bytes.begin());
        }
    }
    return to;
}

std::uint32_t ProductInformation(const BoardOptions& options) {
    const std::uint32_t code = EmulatedBoard::kProductCode;
    const std::uint32_t bufferUnits = EmulatedBoard::kDisplayMemorySize / 4096;
    return code << 26 | (options.configPins & 0x7F) << 16 | bufferUnits << 8 | code << 2;
}

} // namespace

// Display memory fresh from the system is zero already.
EmulatedBoard::EmulatedBoard(const BoardOptions& options) : synth_(0) {
    TakeStorage(kLocatedWindowSize);
    Reset(options);
}

// Display memory keeps its content when it moves to larger storage.
void EmulatedBoard::TakeStorage(std::size_t room) {
    std::unique_ptr<std::uint8_t[], Free> storage(
        static_cast<std::uint8_t*>(std::calloc(2 * room + kDisplayMemorySize, 1)));
    if (!storage) {
        throw std::bad_alloc();
    }
    const std::span<std::uint8_t> memory(storage.get() + room, kDisplayMemorySize);
    if (!memory_.empty()) {
        std::ranges::copy(memory_, memory.begin());
    }
    storage_ = std::move(storage);
    room_ = room;
    memory_ = memory;
}

void EmulatedBoard::PowerOn(const BoardOptions& options) {
    CheckStrayStores();
    std::ranges::fill(memory_, 0);
    Reset(options);
}

void EmulatedBoard::Reset(const BoardOptions& options) {
    options_ = options;
    regs_ = {};
    lut_ = {};
    lutReadIndex_ = 0;
    window_ = {};
    windowPhysical_ = 0;
    registersMapped_ = 0;
    synth_ = Icd2061a(options.powerOnClockHz);
    framePosition_ = 0;
    clockFraction_ = 0;
    frames_ = 0;
    usbResets_ = 0;
    chipResets_ = 0;
    lastLocatedBoard_ = 0;
    busErrors_.clear();
    LatchClockAndTiming();
}

std::optional<std::uintptr_t> EmulatedBoard::Locate(std::uint32_t board) {
    lastLocatedBoard_ = board;
    if (board != options_.boardNumber) {
        return std::nullopt;
    }
    return Map(options_.registerPhysical, kLocatedWindowSize);
}

// The window lies around display memory where it decodes it, and wholly
// before it where it does not.
std::optional<std::uintptr_t> EmulatedBoard::Map(std::uint32_t physical, std::uint32_t length) {
    if (IsMapped() || length == 0) {
        return std::nullopt;
    }
    CheckStrayStores();
    if (length > room_) {
        TakeStorage(length);
    }
    const std::uint64_t memoryAt = std::uint64_t{options_.memoryPhysical} - physical;
    const bool holdsMemory =
        options_.memoryPhysical >= physical && memoryAt + kDisplayMemorySize <= length;
    window_ = {holdsMemory ? memory_.data() - memoryAt : storage_.get(), length};
    windowPhysical_ = physical;
    const std::uint64_t registersAt = std::uint64_t{options_.registerPhysical} - physical;
    if (options_.registerPhysical >= physical && registersAt < length) {
        registerBlock_ = reinterpret_cast<std::uintptr_t>(window_.data()) + registersAt;
        registersMapped_ = std::min<std::uint64_t>(kRegisterBlockSize, length - registersAt);
    }
    return reinterpret_cast<std::uintptr_t>(window_.data());
}

bool EmulatedBoard::Unmap(std::uintptr_t linear) {
    if (!IsMapped() || linear != reinterpret_cast<std::uintptr_t>(window_.data())) {
        return false;
    }
    unchecked_ = window_;
    window_ = {};
    registersMapped_ = 0;
    return true;
}

std::span<std::uint8_t> EmulatedBoard::DisplayMemory() {
    return memory_;
}

std::span<const std::uint8_t> EmulatedBoard::DisplayMemory() const {
    return memory_;
}

const std::vector<std::string>& EmulatedBoard::BusErrors() const {
    CheckStrayStores();
    return busErrors_;
}

void EmulatedBoard::BusError(const char* what, std::uint32_t offset, std::uint32_t width) {
    char text[128];
    std::snprintf(text, sizeof text, "%s: %u-bit access at register offset %Xh", what, width * 8,
                  offset);
    busErrors_.push_back(text);
}

// Plain memory stores bypass the bus, so a store where the window holds
// neither display memory nor registers shows only as a changed open-bus
// byte; the first one found is the bus error, and the window's memory is
// cleared again for the next.
void EmulatedBoard::CheckStrayStores() const {
    if (unchecked_.empty()) {
        return;
    }
    const auto window = std::exchange(unchecked_, {});
    const std::uint8_t* const memory = memory_.data();
    const bool holdsMemory = memory >= window.data() && memory < window.data() + window.size();
    const std::size_t memoryStart =
        holdsMemory ? static_cast<std::size_t>(memory - window.data()) : window.size();
    const std::size_t memoryEnd = holdsMemory ? memoryStart + kDisplayMemorySize : window.size();
    const std::pair<std::size_t, std::size_t> undecoded[] = {{0, memoryStart},
                                                             {memoryEnd, window.size()}};
    for (const auto& [from, to] : undecoded) {
        const std::size_t found = FirstStore(window, from, to);
        if (found != to) {
            char text[96];
            std::snprintf(text, sizeof text, "store outside display memory at window offset %Xh",
                          static_cast<unsigned>(found));
            busErrors_.push_back(text);
            for (const auto& [start, end] : undecoded) {
                std::fill(window.begin() + static_cast<std::ptrdiff_t>(start),
                          window.begin() + static_cast<std::ptrdiff_t>(end), kOpenBus);
            }
            return;
        }
    }
}

std::optional<std::uint32_t> EmulatedBoard::RegisterOffset(std::uintptr_t address,
                                                           std::uint32_t width) {
    const auto start = reinterpret_cast<std::uintptr_t>(window_.data());
    const std::uint64_t physical = std::uint64_t{windowPhysical_} + (address - start);
    if (!IsMapped() || address < start || address - start >= window_.size() ||
        physical < options_.registerPhysical ||
        physical - options_.registerPhysical >= kRegisterBlockSize) {
        BusError("no register there", static_cast<std::uint32_t>(address - start), width);
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(physical - options_.registerPhysical);
}

std::uint16_t EmulatedBoard::BusRead16(std::uintptr_t address) {
    const auto offset = RegisterOffset(address, 2);
    return offset ? Read16(*offset) : 0;
}

// A read that missed the registers as the window shows them: one that the
// board can still serve, or a bus error.
std::uint32_t EmulatedBoard::StrayRead32(std::uintptr_t address) {
    const auto offset = RegisterOffset(address, 4);
    return offset ? Read32(*offset) : 0;
}

void EmulatedBoard::BusWrite16(std::uintptr_t address, std::uint16_t value) {
    if (const auto offset = RegisterOffset(address, 2)) {
        Write16(*offset, value);
    }
}

void EmulatedBoard::BusWrite32(std::uintptr_t address, std::uint32_t value) {
    if (const auto offset = RegisterOffset(address, 4)) {
        Write32(*offset, value);
    }
}

std::uint16_t EmulatedBoard::Read16(std::uint32_t offset) {
    Tick();
    if (!hal::reg::IsUsbRegister(offset) || offset % 2 != 0) {
        BusError("16-bit read of a 32-bit register", offset, 2);
        return 0;
    }
    return static_cast<std::uint16_t>(regs_[offset / 4] >> (offset % 4 * 8));
}

void EmulatedBoard::Write16(std::uint32_t offset, std::uint16_t value) {
    Tick();
    Store16(offset, value);
    LatchClockAndTiming();
}

void EmulatedBoard::Store16(std::uint32_t offset, std::uint16_t value) {
    if (!hal::reg::IsUsbRegister(offset) || offset % 2 != 0) {
        BusError("16-bit write of a 32-bit register", offset, 2);
        return;
    }
    if (offset == hal::reg::kUsbSoftwareReset) {
        // The reset value restarts the USB block; its registers read 0 again.
        if (value == hal::reg::kUsbResetValue) {
            ++usbResets_;
            std::fill(regs_.begin() + 0x4000 / 4, regs_.begin() + 0x5000 / 4, 0);
        }
        return;
    }
    const std::uint32_t shift = offset % 4 * 8;
    std::uint32_t& word = regs_[offset / 4];
    word = (word & ~(0xFFFFu << shift)) | std::uint32_t{value} << shift;
}

// Any register but the status one, after the access's time.
std::uint32_t EmulatedBoard::ReadRegister32(std::uint32_t offset) {
    if (hal::reg::IsUsbRegister(offset) || offset % 4 != 0) {
        BusError("32-bit read of a 16-bit register or misaligned", offset, 4);
        return 0;
    }
    switch (offset) {
    case hal::reg::kProductInfo:
        return ProductInformation(options_);
    case hal::reg::kLutWrite:
        return 0;
    case hal::reg::kLutRead:
        return lutReadIndex_ << 24 | lut_[lutReadIndex_];
    default:
        return regs_[offset / 4];
    }
}

void EmulatedBoard::Write32(std::uint32_t offset, std::uint32_t value) {
    Tick();
    Store32(offset, value);
    LatchClockAndTiming();
}

void EmulatedBoard::Store32(std::uint32_t offset, std::uint32_t value) {
    if (hal::reg::IsUsbRegister(offset) || offset % 4 != 0) {
        BusError("32-bit write of a 16-bit register or misaligned", offset, 4);
        return;
    }
    switch (offset) {
    case hal::reg::kProductInfo:
        return;
    case hal::reg::kPowerSave:
        regs_[offset / 4] = value & ~kPowerSaveStatusBits;
        return;
    case hal::reg::kLutWrite:
        lut_[value >> 24] = value & 0xFFFFFF;
        return;
    case hal::reg::kLutRead:
        lutReadIndex_ = value >> 24;
        return;
    case hal::reg::kSpecialPurpose:
        if (((value & kResetField) >> 16) == kResetTrigger) {
            ++chipResets_;
        }
        regs_[offset / 4] = value & ~kResetField;
        return;
    case hal::reg::kGpio:
        WriteGpio(value);
        return;
    default:
        regs_[offset / 4] = value;
        return;
    }
}

std::uint32_t EmulatedBoard::Peek32(std::uint32_t offset) const {
    return offset == hal::reg::kProductInfo ? ProductInformation(options_)
                                            : regs_[(offset % kRegisterBlockSize) / 4];
}

// Pins not configured as outputs are pulled low.
void EmulatedBoard::WriteGpio(std::uint32_t value) {
    regs_[hal::reg::kGpio / 4] = value;
    const bool clock = (value & kGpio1Output) != 0 && (value & hal::reg::kGpio1Clock) != 0;
    const bool data = (value & kGpio2Output) != 0 && (value & hal::reg::kGpio2Data) != 0;
    synth_.Drive(clock, data);
}

std::uint32_t EmulatedBoard::PixelClockHz() const {
    const std::uint32_t clkI = synth_.OutputHz(0);
    const std::uint32_t clkI2 = synth_.OutputHz(3);
    const std::uint32_t memoryClockConfig = regs_[hal::reg::kMemoryClock / 4];
    const bool cnf6 = (ProductInformation(options_) & hal::reg::kCnf6) != 0;
    const std::uint32_t busClock = (memoryClockConfig & 1) != 0 ? clkI2 : (cnf6 ? clkI / 2 : clkI);
    const std::uint32_t memoryClock = busClock / (((memoryClockConfig >> 4) & 3) + 1);
    const std::uint32_t pixelClockConfig = regs_[hal::reg::kPixelClock / 4];
    const std::uint32_t sources[4] = {memoryClock, busClock, clkI, clkI2};
    return sources[pixelClockConfig & 3] / hal::reg::PixelClockDivide(pixelClockConfig >> 4);
}

namespace {

struct Timing {
    std::uint64_t horizontalTotal;
    std::uint64_t verticalTotal;
    std::uint64_t verticalDisplay;
};

Timing ReadTiming(const std::array<std::uint32_t, EmulatedBoard::kRegisterBlockSize / 4>& regs) {
    return {.horizontalTotal = (regs[hal::reg::kHorzTotal / 4] & 0x7F) * 8 + 8,
            .verticalTotal = (regs[hal::reg::kVertTotal / 4] & 0x3FF) + 1,
            .verticalDisplay = (regs[hal::reg::kVertDisplay / 4] & 0x3FF) + 1};
}

} // namespace

// Power save mode stops the display; so does a pixel clock of 0.
void EmulatedBoard::LatchClockAndTiming() {
    pixelClockHz_ = PixelClockHz();
    const std::uint64_t perAccess = std::uint64_t{kAccessNs} * pixelClockHz_;
    pixelsPerAccess_ = perAccess / kNsPerSecond;
    fractionPerAccess_ = perAccess % kNsPerSecond;
    const Timing timing = ReadTiming(regs_);
    frameLength_ = timing.horizontalTotal * timing.verticalTotal;
    displayedLength_ = timing.verticalDisplay * timing.horizontalTotal;
}

} // namespace k7r::emu
