#include "view/show_image.h"

#include "platform/file.h"
#include "platform/file_mapping.h"
#include "view/bmp.h"
#include "view/gif.h"
#include "view/jpeg.h"
#include "view/messages.h"
#include "view/print.h"

#include <algorithm>
#include <optional>

namespace k7r::view {

namespace {

// Maps the image file: a decoder's reads bring in only the pages they
// reach, and a JPEG, which the library reads itself, costs nothing here.
// Only a regular file is opened (a FIFO would block, a directory has no
// length); an empty one is left unmapped. False when it cannot be opened.
bool MapImageFile(const std::string& path, std::optional<platform::FileMapping>& mapping) {
    platform::Result<platform::File> file = platform::File::Open(path, platform::FileAccess::Read);
    if (!file) {
        return false;
    }
    const platform::Result<std::uint64_t> length = file->Length();
    if (!length) {
        return false;
    }
    if (*length == 0) {
        return true;
    }
    platform::Result<platform::FileMapping> mapped =
        platform::FileMapping::MapReadOnly(*file, *length);
    if (!mapped) {
        return false;
    }
    mapping = std::move(*mapped);
    return true;
}

// Header information by file type; no value after a fatal header error.
std::optional<ImageInfo> ReadImageInfo(FileType type, std::span<const std::uint8_t> file,
                                       const std::string& path, std::ostream& out) {
    switch (type) {
    case FileType::Bmp: {
        auto header = ReadBmpHeader(file, path, out);
        if (!header) {
            return std::nullopt;
        }
        return ImageInfo{header->width, header->height, header->bitsPerPixel};
    }
    case FileType::Gif:
        return ReadGifInfo(file);
    case FileType::Jpeg:
        return ReadJpegInfo(path, out);
    default:
        return ImageInfo{};
    }
}

// Half the room left around an image not larger than the panel.
std::uint32_t Centre(std::uint32_t panel, std::int32_t image) {
    return image >= 0 && static_cast<std::uint32_t>(image) <= panel
               ? (panel - static_cast<std::uint32_t>(image)) / 2
               : 0;
}

ShownImage Failed() {
    return {.status = 1, .area = {}};
}

} // namespace

ShownImage ShowImage(Display& display, const std::string& path, std::ostream& out) {
    std::optional<platform::FileMapping> mapping;
    if (!MapImageFile(path, mapping)) {
        Print(out, viewer_text::kOpenImageFailed, path.c_str());
        viewer_text::PrintUsage(out);
        return Failed();
    }
    const std::span<const std::uint8_t> file =
        mapping ? mapping->bytes() : std::span<const std::uint8_t>();
    PanArea area{.panelWidth = display.GetPanelWidth(), .panelHeight = display.GetPanelHeight()};
    FileType type = DetectFileType(file);
    std::optional<ImageInfo> info = ReadImageInfo(type, file, path, out);
    if (!info) {
        return Failed();
    }
    std::uint32_t bpp = display.GetBitsPerPixel();
    if (bpp == 1 || bpp == 2) {
        out << viewer_text::kLowDepth;
        return Failed();
    }
    if (bpp != 4 && bpp != 8 && bpp != 16) {
        Print(out, viewer_text::kOtherDepth, bpp);
        return Failed();
    }
    area.virtualWidth = std::max<std::uint32_t>(std::max(info->width, 0), area.panelWidth);
    area.virtualHeight = std::max<std::uint32_t>(std::max(info->height, 0), area.panelHeight);
    if (bpp == 16 && area.virtualWidth >= 1024) {
        out << viewer_text::kWide16;
        return Failed();
    }
    Print(out, viewer_text::kImageSize, info->width, info->height, info->bitsPerPixel);
    if (std::uint64_t{area.virtualWidth} * area.virtualHeight * bpp / 8 > display.GetMemorySize()) {
        out << viewer_text::kNoVirtualMemory << viewer_text::kPanelSizeOnly;
        area.virtualWidth = area.panelWidth;
        area.virtualHeight = area.panelHeight;
    } else if (!display.SetVirtualDisplay(area.virtualWidth, area.virtualHeight)) {
        out << viewer_text::kVirtualFailed;
    }
    Print(out, viewer_text::kVirtualSize, area.virtualWidth, area.virtualHeight, bpp);
    DrawTarget target{display, out, Centre(area.panelWidth, info->width),
                      Centre(area.panelHeight, info->height)};

    int status = 0;
    switch (type) {
    case FileType::Unknown:
        out << viewer_text::kUnknownType;
        return Failed();
    case FileType::Bmp:
        status = DrawBmp(target, file, path);
        break;
    case FileType::Gif:
        if (bpp != 8 || info->bitsPerPixel != 8) {
            out << viewer_text::kGifDepth;
            return Failed();
        }
        status = DrawGif(target, file);
        break;
    case FileType::Jpeg:
        if (info->bitsPerPixel == 8 && bpp != 8) {
            out << viewer_text::kJpegMonochrome;
            return Failed();
        }
        status = DrawJpeg(target, path, info->bitsPerPixel, bpp);
        break;
    }
    return {status, area};
}

} // namespace k7r::view
