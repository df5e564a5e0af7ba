#pragma once

#include "emu/panel_picture.h"

#include <png.h>

#include <optional>
#include <string>

namespace k7r::test {

// A PNG file as 8-bit RGB, for comparing with a panel picture.
inline std::optional<emu::Picture> ReadPng(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        return std::nullopt;
    }
    image.format = PNG_FORMAT_RGB;
    emu::Picture picture;
    picture.width = image.width;
    picture.height = image.height;
    picture.rgb.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr)) {
        return std::nullopt;
    }
    return picture;
}

inline bool SamePicture(const emu::Picture& a, const emu::Picture& b) {
    return a.width == b.width && a.height == b.height && a.rgb == b.rgb;
}

} // namespace k7r::test
