#include "hal/lookup_tables.h"

#include "hal/access.h"
#include "hal/chip_registers.h"
#include "hal/layer_state.h"

#include <array>

namespace k7r::hal {
namespace {

constexpr std::uint32_t Entry(std::uint32_t index, std::uint32_t rgb) {
    return index << 24 | rgb;
}

constexpr std::uint32_t Grey(std::uint32_t level) {
    return level << 16 | level << 8 | level;
}

template <std::size_t N>
constexpr std::array<std::uint32_t, N> Indexed(const std::uint32_t (&rgb)[N]) {
    std::array<std::uint32_t, N> table{};
    for (std::size_t n = 0; n < N; ++n) {
        table[n] = Entry(static_cast<std::uint32_t>(n), rgb[n]);
    }
    return table;
}

constexpr std::uint32_t kColour2[] = {0x000000, 0xFFFFFF};
constexpr std::uint32_t kColour4[] = {0x000000, 0x0000FF, 0xFF0000, 0xFFFFFF};
constexpr std::uint32_t kColour16[] = {
    0x000000, 0x0000AA, 0x00AA00, 0x00AAAA, 0xAA0000, 0xAA00AA, 0xAAAA00, 0xAAAAAA,
    0x000000, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};
constexpr std::uint32_t kMono2[] = {0x000000, 0xFFFFFF};
constexpr std::uint32_t kMono4[] = {0x000000, 0x555555, 0xAAAAAA, 0xFFFFFF};
constexpr std::uint32_t kMono16Levels[] = {0x00, 0x10, 0x20, 0x34, 0x44, 0x54, 0x68, 0x78,
                                           0x88, 0x9C, 0xAC, 0xBC, 0xCC, 0xDC, 0xEC, 0xFC};

// The 16 intensity levels of the 256-colour table: k x 256 / 15, rounded,
// at most FFh.
constexpr std::uint32_t Level(std::uint32_t k) {
    const std::uint32_t rounded = (k * 256 * 2 + 15) / 30;
    return rounded > 0xFF ? 0xFF : rounded;
}

// Rows 1 to 15 of the 256-colour table: one colour run of 16 entries each,
// as (red, green, blue) from the level k.
using RunColour = std::uint32_t (*)(std::uint32_t k);
constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return r << 16 | g << 8 | b;
}
constexpr RunColour kColourRuns[15] = {
    [](std::uint32_t k) { return Rgb(Level(k), Level(k), Level(k)); }, // 16 grey
    [](std::uint32_t k) { return Rgb(Level(k), 0, 0); },               // 32 red
    [](std::uint32_t k) { return Rgb(0, Level(k), 0); },               // 48 green
    [](std::uint32_t k) { return Rgb(0, 0, Level(k)); },               // 64 blue
    [](std::uint32_t k) { return Rgb(0, Level(k), 0xFF); },            // 80
    [](std::uint32_t k) { return Rgb(0, 0xFF, Level(15 - k)); },       // 96
    [](std::uint32_t k) { return Rgb(Level(k), 0xFF, 0); },            // 112
    [](std::uint32_t k) { return Rgb(0xFF, Level(15 - k), 0); },       // 128
    [](std::uint32_t k) { return Rgb(0xFF, 0, Level(k)); },            // 144
    [](std::uint32_t k) { return Rgb(Level(15 - k), 0, 0xFF); },       // 160
    [](std::uint32_t k) { return Rgb(Level(k), 0, Level(k)); },        // 176
    [](std::uint32_t k) { return Rgb(0, Level(k), Level(k)); },        // 192
    [](std::uint32_t k) { return Rgb(0xFF, Level(k), Level(k)); },     // 208
    [](std::uint32_t k) { return Rgb(Level(k), 0xFF, Level(k)); },     // 224
    [](std::uint32_t k) { return Rgb(Level(k), Level(k), 0xFF); },     // 240
};

constexpr std::array<std::uint32_t, 256> MakeColour256() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 16; ++n) {
        table[n] = Entry(n, n == 8 ? 0x555555 : kColour16[n]);
    }
    for (std::uint32_t run = 0; run < 15; ++run) {
        for (std::uint32_t k = 0; k < 16; ++k) {
            const std::uint32_t n = 16 * (run + 1) + k;
            table[n] = Entry(n, kColourRuns[run](k));
        }
    }
    return table;
}

constexpr std::array<std::uint32_t, 16> MakeMono16() {
    std::array<std::uint32_t, 16> table{};
    for (std::uint32_t n = 0; n < 16; ++n) {
        table[n] = Entry(n, Grey(kMono16Levels[n]));
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> MakeMono256() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        table[n] = Entry(n, Grey((n % 64) * 4));
    }
    return table;
}

constexpr auto kColourTable2 = Indexed(kColour2);
constexpr auto kColourTable4 = Indexed(kColour4);
constexpr auto kColourTable16 = Indexed(kColour16);
constexpr auto kColourTable256 = MakeColour256();
constexpr auto kMonoTable2 = Indexed(kMono2);
constexpr auto kMonoTable4 = Indexed(kMono4);
constexpr auto kMonoTable16 = MakeMono16();
constexpr auto kMonoTable256 = MakeMono256();

} // namespace

std::span<const std::uint32_t> DefaultLookupTable(std::uint32_t bitsPerPixel, bool colour) {
    switch (bitsPerPixel) {
    case 1:
        return colour ? std::span(kColourTable2) : std::span(kMonoTable2);
    case 2:
        return colour ? std::span(kColourTable4) : std::span(kMonoTable4);
    case 4:
        return colour ? std::span(kColourTable16) : std::span(kMonoTable16);
    case 8:
        return colour ? std::span(kColourTable256) : std::span(kMonoTable256);
    default:
        return {};
    }
}

void LoadLookupTable() {
    const std::uint32_t depth = ReadReg32(reg::kDisplaySettings) & 0xF;
    const bool colour = (ReadReg32(reg::kPanelType) & reg::kColourPanel) != 0;
    LayerState& s = State();
    if (const auto table = DefaultLookupTable(depth, colour); !table.empty()) {
        s.currentTable = table;
    }
    for (const std::uint32_t word : s.currentTable) {
        WriteReg32(reg::kLutWrite, word);
    }
}

} // namespace k7r::hal
