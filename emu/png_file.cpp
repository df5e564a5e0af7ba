#include "emu/png_file.h"
#include "platform/file.h"

#include <png.h>
#include <zlib.h>

#include <cstdio>
#include <memory>

namespace k7r::emu {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// libpng reports errors by longjmp; nothing with a destructor may live
// between setjmp and the calls that can jump, hence the plain C here.
bool WriteRows(std::FILE* file, const Picture& picture) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    // The picture is looked at and compared, not kept: stored without
    // compression or row filters it stays lossless, a few times larger, at
    // a small part of the time the viewer's whole run would otherwise spend
    // on it.
    png_set_compression_level(png, Z_NO_COMPRESSION);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_IHDR(png, info, picture.width, picture.height, 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        png_write_row(png, &picture.rgb[std::size_t{y} * picture.width * 3]);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

std::string WritePng(const std::string& path, const Picture& picture) {
    if (picture.width == 0 || picture.height == 0) {
        return "panel picture " + path + ": the panel has no pixels";
    }
    std::unique_ptr<std::FILE, FileCloser> file(platform::CreateWriteStream(path));
    if (!file) {
        return "panel picture " + path + ": cannot create the file";
    }
    if (!WriteRows(file.get(), picture)) {
        return "panel picture " + path + ": PNG encoding failed";
    }
    if (std::fflush(file.get()) != 0) {
        return "panel picture " + path + ": write failed";
    }
    return "";
}

} // namespace k7r::emu
