#include "view/gif.h"

#include "view/byte_reader.h"
#include "view/gif_format.h"
#include "view/lzw.h"
#include "view/messages.h"
#include "view/print.h"

#include <algorithm>
#include <memory>
#include <string_view>
#include <vector>

namespace k7r::view {

namespace {

bool IsGif87a(std::span<const std::uint8_t> file) {
    std::string_view signature = "GIF87a";
    return file.size() >= gif::kSignatureSize &&
           std::equal(signature.begin(), signature.end(), file.begin());
}

// 2^bits entries of red, green, blue into the palette, then all 256 entries
// to the lookup table; entries the table does not define keep what they had.
bool LoadColourTable(ByteReader& data, std::uint32_t bits, Palette& palette, Display& display) {
    for (std::uint32_t i = 0; i < (1u << bits); ++i) {
        auto rgb = data.Take(3);
        if (rgb.size() < 3) {
            return false;
        }
        palette[i] = {rgb[0], rgb[1], rgb[2]};
    }
    display.WriteLut(palette, 256);
    return true;
}

class GifDrawer {
  public:
    GifDrawer(DrawTarget target, std::span<const std::uint8_t> file)
        : target_(target), data_(file, gif::kSignatureSize) {}

    int Draw();

  private:
    int Fail(const char* message) {
        target_.out << message;
        return 1;
    }
    int DrawImage();

    DrawTarget target_;
    ByteReader data_;
    Palette lookup_{};
    std::uint32_t screenBits_ = 0;
    std::uint32_t pitch_ = 0;
    // Images follow each other downward; the row counter runs on.
    std::uint64_t row_ = 0;
};

int GifDrawer::Draw() {
    // Screen width and height are not used: images are drawn at the
    // viewer's corner.
    data_.Skip(4);
    auto packed = data_.Read8();
    data_.Skip(1);
    auto aspect = data_.Read8();
    if (!aspect || *aspect != 0) {
        return Fail(viewer_text::kGifStructure);
    }
    screenBits_ = (*packed & gif::kDepthMask) + 1;
    pitch_ = target_.display.GetStride() * 8 / screenBits_;
    if ((*packed & gif::kColourTable) &&
        !LoadColourTable(data_, screenBits_, lookup_, target_.display)) {
        return Fail(viewer_text::kGifStructure);
    }
    for (;;) {
        auto block = data_.Read8();
        if (!block || *block == gif::kTrailer) {
            return 0;
        }
        if (*block == gif::kExtension) {
            data_.Skip(1);
            if (!SkipSubBlocks(data_)) {
                return 0;
            }
        } else if (*block == gif::kImage) {
            if (int status = DrawImage(); status != 0) {
                return status;
            }
        } else {
            return Fail(viewer_text::kGifStructure);
        }
    }
}

// The descriptor's position is not used either; its height is not needed,
// since rows are drawn as the data fills them.
int GifDrawer::DrawImage() {
    data_.Skip(4);
    auto width = data_.Read16();
    data_.Skip(2);
    auto packed = data_.Read8();
    if (!packed || *width == 0) {
        return Fail(viewer_text::kGifStructure);
    }
    if (*packed & gif::kInterlaced) {
        viewer_text::PrintLines(target_.out, viewer_text::kGifInterlaced);
        return 1;
    }
    std::uint32_t bits = screenBits_;
    if (*packed & gif::kColourTable) {
        bits = (*packed & gif::kDepthMask) + 1;
        if (!LoadColourTable(data_, bits, lookup_, target_.display)) {
            return Fail(viewer_text::kGifStructure);
        }
    }
    // One byte per decoded pixel; a row holds bits x width / 8 of them.
    std::size_t rowBytes = std::max<std::size_t>(std::size_t{bits} * *width / 8, 1);
    std::vector<std::uint8_t> row;
    row.reserve(rowBytes);
    auto decoder = std::make_unique<LzwDecoder>();
    LzwResult result = decoder->Decode(data_, [&](std::span<const std::uint8_t> pixels) {
        for (std::uint8_t pixel : pixels) {
            row.push_back(pixel);
            if (row.size() == rowBytes) {
                target_.display.PutRow(row, *width, target_.x, target_.y + row_, pitch_, pitch_,
                                       bits);
                ++row_;
                row.clear();
            }
        }
    });
    if (result == LzwResult::EndOfData) {
        viewer_text::PrintLines(target_.out, viewer_text::kGifEndOfData);
        return 1;
    }
    if (result == LzwResult::InvalidData) {
        return Fail(viewer_text::kGifStructure);
    }
    return 0;
}

} // namespace

ImageInfo ReadGifInfo(std::span<const std::uint8_t> file) {
    ByteReader data(file, gif::kSignatureSize);
    auto width = data.Read16();
    auto height = data.Read16();
    auto packed = data.Read8();
    if (!IsGif87a(file) || !packed) {
        return {};
    }
    return {*width, *height, (*packed & gif::kDepthMask) + 1u};
}

int DrawGif(DrawTarget target, std::span<const std::uint8_t> file) {
    if (!IsGif87a(file)) {
        return 0;
    }
    return GifDrawer(target, file).Draw();
}

} // namespace k7r::view
