#include "view/image_file.h"

#include <algorithm>
#include <string_view>

namespace k7r::view {

FileType DetectFileType(std::span<const std::uint8_t> bytes) {
    auto startsWith = [&](std::string_view magic) {
        return bytes.size() >= magic.size() &&
               std::equal(magic.begin(), magic.end(), bytes.begin(),
                          [](char m, std::uint8_t b) { return static_cast<std::uint8_t>(m) == b; });
    };
    if (startsWith("BM")) {
        return FileType::Bmp;
    }
    if (startsWith("\xFF\xD8")) {
        return FileType::Jpeg;
    }
    if (startsWith("GIF87a") || startsWith("GIF89a")) {
        return FileType::Gif;
    }
    return FileType::Unknown;
}

} // namespace k7r::view
