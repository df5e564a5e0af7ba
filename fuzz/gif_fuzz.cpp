// Arbitrary bytes after a GIF87a signature, drawn on an 8 bpp panel: the LZW
// decoder must refuse what it cannot resolve, never loop, read past the file
// or write outside display memory.
#include "view/gif.h"
#include "view/memory_chip.h"

#include <cstdlib>
#include <sstream>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> file = {'G', 'I', 'F', '8', '7', 'a'};
    file.insert(file.end(), data, data + size);
    k7r::view::MemoryChip chip(320, 240, 8, 256 * 1024);
    k7r::view::Display display(chip);
    display.SetBitsPerPixel(8);
    std::ostringstream out;
    int status = k7r::view::DrawGif({display, out, 8, 8}, file);
    if (chip.StrayAccesses() != 0 || (status != 0 && out.str().empty())) {
        std::abort();
    }
    return 0;
}
