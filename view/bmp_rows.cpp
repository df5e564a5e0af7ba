#include "view/bmp_rows.h"

#include "view/messages.h"
#include "view/print.h"

#include <string>

namespace k7r::view {

// Rows are stored bottom-up. When the image is taller than the room below
// its top line, the rows nearest the bottom of the file would fall off the
// virtual display: they are skipped and the top of the image is drawn.
int DrawUncompressedRows(BmpRows& rows) {
    const BmpHeader& header = rows.header;
    std::uint64_t rowSize = (std::uint64_t{header.bitsPerPixel} * header.width + 31) / 32 * 4;
    std::uint64_t height = static_cast<std::uint64_t>(header.height);
    std::uint64_t room =
        rows.virtualHeight > rows.target.y ? rows.virtualHeight - rows.target.y : 0;
    std::uint64_t drawn = height > room ? room : height;
    bool complete = rows.data.Skip((height - drawn) * rowSize);
    for (std::uint64_t i = 0; complete && i < drawn; ++i) {
        auto row = rows.data.Take(rowSize);
        if (row.size() < rowSize) {
            complete = false;
            break;
        }
        rows.target.display.PutRow(rows.converter.Convert(row), header.width, rows.target.x,
                                   rows.target.y + drawn - 1 - i, rows.pitch, rows.pitch,
                                   rows.panelBpp);
    }
    if (!complete) {
        Print(rows.target.out, viewer_text::kBitmapTruncated, std::string(rows.name).c_str());
        return 1;
    }
    return 0;
}

} // namespace k7r::view
