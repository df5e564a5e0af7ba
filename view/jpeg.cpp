#include "view/jpeg.h"

#include "platform/file.h"
#include "view/convert_row.h"
#include "view/messages.h"
#include "view/print.h"

#include <cstdio>
#include <memory>
#include <vector>

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

namespace k7r::view {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// A decompression object with the standard error manager, destroyed with
// its memory at the end of the scope.
class Decompressor {
  public:
    Decompressor() {
        info_.err = jpeg_std_error(&errors_);
        jpeg_create_decompress(&info_);
    }
    ~Decompressor() { jpeg_destroy_decompress(&info_); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;

    jpeg_decompress_struct* operator->() { return &info_; }
    jpeg_decompress_struct* get() { return &info_; }

  private:
    jpeg_error_mgr errors_{};
    jpeg_decompress_struct info_{};
};

// Through the shared open path, which refuses what is not a regular file
// (a FIFO put in the image's place would block).
File OpenJpeg(const std::string& path, std::ostream& out) {
    platform::Result<platform::File> opened =
        platform::File::Open(path, platform::FileAccess::Read);
    File file(opened ? opened->ReleaseToStream("rb") : nullptr);
    if (!file) {
        viewer_text::PrintLines(out, viewer_text::kJpegOpenFailed);
    }
    return file;
}

std::vector<std::uint8_t> PackNibbles(const JSAMPLE* indices, JDIMENSION count) {
    std::vector<std::uint8_t> packed;
    packed.reserve((count + 1) / 2);
    for (JDIMENSION i = 0; i < count; i += 2) {
        unsigned low = i + 1 < count ? indices[i + 1] & 0x0F : 0;
        packed.push_back(static_cast<std::uint8_t>((indices[i] << 4) | low));
    }
    return packed;
}

} // namespace

ImageInfo ReadJpegInfo(const std::string& path, std::ostream& out) {
    Decompressor jpeg;
    File file = OpenJpeg(path, out);
    if (!file) {
        return {};
    }
    jpeg_stdio_src(jpeg.get(), file.get());
    jpeg_read_header(jpeg.get(), TRUE);
    jpeg_calc_output_dimensions(jpeg.get());
    return {static_cast<std::int32_t>(jpeg->image_width),
            static_cast<std::int32_t>(jpeg->image_height),
            jpeg->out_color_components == 3 ? 24u : 8u};
}

int DrawJpeg(DrawTarget target, const std::string& path, std::uint32_t imageBits,
             std::uint32_t panelBpp) {
    Display& display = target.display;
    std::uint32_t pitch = display.GetStride() * 8 / panelBpp;
    Print(target.out, viewer_text::kJpegImageBits, imageBits);
    Decompressor jpeg;
    File file = OpenJpeg(path, target.out);
    if (!file) {
        return 1;
    }
    jpeg_stdio_src(jpeg.get(), file.get());
    jpeg_read_header(jpeg.get(), TRUE);
    if (panelBpp <= 8 && imageBits == 24) {
        jpeg->quantize_colors = TRUE;
        jpeg->desired_number_of_colors = panelBpp == 4 ? 16 : 256;
    }
    jpeg_calc_output_dimensions(jpeg.get());
    JSAMPARRAY scanline =
        (*jpeg->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(jpeg.get()), JPOOL_IMAGE,
                                   jpeg->output_width * jpeg->output_components, 1);
    jpeg_start_decompress(jpeg.get());
    Print(target.out, viewer_text::kJpegPanelBits, panelBpp);

    Palette lookup{};
    if (jpeg->colormap) {
        for (int i = 0; i < jpeg->actual_number_of_colors && i < 256; ++i) {
            lookup[i] = {jpeg->colormap[0][i], jpeg->colormap[1][i], jpeg->colormap[2][i]};
        }
    }
    if (panelBpp == 8) {
        display.WriteLut(lookup, 256);
    } else if (panelBpp == 4) {
        display.WriteLut(lookup, 16);
    }

    RowConverter converter(24, panelBpp, lookup, lookup, ChannelOrder::Rgb);
    JDIMENSION width = jpeg->output_width;
    std::size_t rowBytes = std::size_t{width} * jpeg->output_components;
    while (jpeg->output_scanline < jpeg->output_height) {
        std::uint64_t line = jpeg->output_scanline;
        jpeg_read_scanlines(jpeg.get(), scanline, 1);
        std::span<const std::uint8_t> samples(scanline[0], rowBytes);
        if (jpeg->output_components == 3) {
            display.PutRow(converter.Convert(samples), width, target.x, target.y + line, pitch,
                           pitch, panelBpp);
        } else if (panelBpp == 4) {
            display.PutRow(PackNibbles(scanline[0], width), width, target.x, target.y + line, pitch,
                           pitch, panelBpp);
        } else {
            display.PutRow(samples, width, target.x, target.y + line, pitch, pitch, panelBpp);
        }
    }
    jpeg_finish_decompress(jpeg.get());
    if (jpeg->output_components == 1 && imageBits == 8) {
        display.WriteLut(GreyRamp(), 256);
    }
    return 0;
}

} // namespace k7r::view
