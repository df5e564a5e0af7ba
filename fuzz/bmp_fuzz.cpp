// Arbitrary bytes as a bitmap file, drawn on a panel of 4, 8 or 16 bpp:
// nothing may be read past the file or written outside display memory.
#include "view/bmp.h"
#include "view/memory_chip.h"

#include <cstdlib>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::uint32_t kDepths[] = {4, 8, 16};
    k7r::view::MemoryChip chip(320, 240, kDepths[size % 3], 256 * 1024);
    k7r::view::Display display(chip);
    display.SetBitsPerPixel(kDepths[size % 3]);
    std::ostringstream out;
    int status = k7r::view::DrawBmp({display, out, 0, 0}, {data, size}, "fuzz.bmp");
    if (chip.StrayAccesses() != 0 || (status != 0 && out.str().empty())) {
        std::abort();
    }
    return 0;
}
