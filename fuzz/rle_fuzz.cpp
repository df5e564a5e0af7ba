// Run-length bitmap data behind a valid header: the first bytes choose the
// depth (4 or 8 bits), size and drawing position, the rest is the data. Runs,
// literals and deltas must stay inside the row buffer, the image and memory.
#include "view/bmp.h"
#include "view/memory_chip.h"

#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5) {
        return 0;
    }
    bool fourBits = data[0] & 1;
    std::uint32_t width = data[1] + 1;
    std::uint32_t height = data[2] + 1;
    std::uint32_t x = data[3];
    std::uint32_t y = data[4];
    std::vector<std::uint8_t> file(54, 0);
    file[0] = 'B';
    file[1] = 'M';
    std::uint32_t tableSize = fourBits ? 64 : 1024;
    Put32(file, 10, 54 + tableSize);
    Put32(file, 14, 40);
    Put32(file, 18, width);
    Put32(file, 22, height);
    file[26] = 1;
    file[28] = fourBits ? 4 : 8;
    Put32(file, 30, fourBits ? 2 : 1);
    file.resize(54 + tableSize, 0x40);
    file.insert(file.end(), data + 5, data + size);

    std::uint32_t bpp = (data[0] & 2) ? 4 : 8;
    k7r::view::MemoryChip chip(320, 240, bpp, 64 * 1024);
    k7r::view::Display display(chip);
    display.SetBitsPerPixel(bpp);
    std::ostringstream out;
    int status = k7r::view::DrawBmp({display, out, x, y}, file, "fuzz.bmp");
    if (chip.StrayAccesses() != 0 || (status != 0 && out.str().empty())) {
        std::abort();
    }
    return 0;
}
