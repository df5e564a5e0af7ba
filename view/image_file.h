#pragma once

#include <cstdint>
#include <span>

namespace k7r::view {

enum class FileType { Unknown = -1, Bmp = 0, Gif = 1, Jpeg = 2 };

// By the first bytes: "BM", FFh D8h, or "GIF87a" / "GIF89a".
FileType DetectFileType(std::span<const std::uint8_t> bytes);

// Size and depth as an image's header gives them; all 0 when unknown.
struct ImageInfo {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint32_t bitsPerPixel = 0;
};

} // namespace k7r::view
