#include "containers/prc_codec.h"

#include "containers/prc_format.h"

#include <algorithm>
#include <initializer_list>

namespace k7r::containers {
namespace {

// Codes of a section (b is the code byte):
//   80-FF  the next (b & 7F) + 1 bytes, literally
//   40-7F  (b & 3F) + 1 bytes 00
//   20-3F  (b & 1F) + 2 copies of the next byte
//   10-1F  (b & 0F) + 1 bytes FF
//   01 x y      00 00 00 00 FF FF x y
//   02 x y z    00 00 00 00 FF x y z
//   03 x y z    A9 F0 00 00 x y 00 z
//   04 w x y z  A9 F0 00 w x y 00 z
//   00     end of the section
//   05-0F  invalid
constexpr std::uint8_t kEndCode = 0x00;
constexpr std::uint8_t kFfGroupCode = 0x01;
constexpr std::uint8_t kFfGroupLongCode = 0x02;
constexpr std::uint8_t kA9GroupCode = 0x03;
constexpr std::uint8_t kA9GroupLongCode = 0x04;
constexpr std::uint8_t kFfRunBase = 0x10;
constexpr std::uint8_t kRunBase = 0x20;
constexpr std::uint8_t kZeroRunBase = 0x40;
constexpr std::uint8_t kLiteralBase = 0x80;

constexpr std::size_t kGroupLength = 8;
constexpr std::size_t kMaxLiteral = 128;
constexpr std::size_t kMaxZeroRun = 64;
constexpr std::size_t kMaxFfRun = 16;
constexpr std::size_t kMaxRun = 33;

class SectionBuilder {
  public:
    explicit SectionBuilder(std::vector<std::uint8_t>& section) : section_(section) {}

    bool Repeat(std::size_t count, std::uint8_t byte) {
        if (prc::kMaxSectionSize - section_.size() < count) {
            return false;
        }
        section_.insert(section_.end(), count, byte);
        return true;
    }

    bool Append(std::span<const std::uint8_t> bytes) {
        if (prc::kMaxSectionSize - section_.size() < bytes.size()) {
            return false;
        }
        section_.insert(section_.end(), bytes.begin(), bytes.end());
        return true;
    }

    bool Append(std::initializer_list<std::uint8_t> bytes) {
        return Append(std::span<const std::uint8_t>(bytes.begin(), bytes.size()));
    }

  private:
    std::vector<std::uint8_t>& section_;
};

// The first position of an 8-byte group A9 F0 00 w x y 00 z.
std::optional<std::size_t> FindA9Group(std::span<const std::uint8_t> bytes) {
    for (std::size_t p = 0; p + kGroupLength <= bytes.size(); ++p) {
        if (bytes[p] == 0xA9 && bytes[p + 1] == 0xF0 && bytes[p + 2] == 0 && bytes[p + 6] == 0) {
            return p;
        }
    }
    return std::nullopt;
}

// The first position of an 8-byte group 00 00 00 00 FF x y z.
std::optional<std::size_t> FindFfGroup(std::span<const std::uint8_t> bytes) {
    static constexpr std::uint8_t kStart[] = {0, 0, 0, 0, 0xFF};
    for (std::size_t p = 0; p + kGroupLength <= bytes.size(); ++p) {
        if (std::equal(std::begin(kStart), std::end(kStart), bytes.begin() + p)) {
            return p;
        }
    }
    return std::nullopt;
}

bool StartsRun(std::span<const std::uint8_t> bytes, std::size_t p) {
    const std::uint8_t b = bytes[p];
    const std::size_t left = bytes.size() - p;
    if ((b == 0x00 || b == 0xFF) && left >= 2 && bytes[p + 1] == b) {
        return true;
    }
    return left >= 3 && bytes[p + 1] == b && bytes[p + 2] == b;
}

void EmitLiterals(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>& codes) {
    while (!bytes.empty()) {
        const std::size_t count = std::min(bytes.size(), kMaxLiteral);
        codes.push_back(static_cast<std::uint8_t>(kLiteralBase - 1 + count));
        codes.insert(codes.end(), bytes.begin(), bytes.begin() + count);
        bytes = bytes.subspan(count);
    }
}

void EncodeRunsAndLiterals(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>& codes) {
    std::size_t literalStart = 0;
    std::size_t p = 0;
    while (p < bytes.size()) {
        if (!StartsRun(bytes, p)) {
            ++p;
            continue;
        }
        EmitLiterals(bytes.subspan(literalStart, p - literalStart), codes);
        const std::uint8_t b = bytes[p];
        const std::size_t limit = b == 0x00 ? kMaxZeroRun : b == 0xFF ? kMaxFfRun : kMaxRun;
        std::size_t count = 1;
        while (count < limit && p + count < bytes.size() && bytes[p + count] == b) {
            ++count;
        }
        if (b == 0x00) {
            codes.push_back(static_cast<std::uint8_t>(kZeroRunBase - 1 + count));
        } else if (b == 0xFF) {
            codes.push_back(static_cast<std::uint8_t>(kFfRunBase - 1 + count));
        } else {
            codes.push_back(static_cast<std::uint8_t>(kRunBase - 2 + count));
            codes.push_back(b);
        }
        p += count;
        literalStart = p;
    }
    EmitLiterals(bytes.subspan(literalStart), codes);
}

// For a range that holds no A9 group.
void EncodeWithoutA9Groups(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>& codes) {
    while (const std::optional<std::size_t> p = FindFfGroup(bytes)) {
        EncodeRunsAndLiterals(bytes.first(*p), codes);
        const std::uint8_t* group = bytes.data() + *p;
        if (group[5] == 0xFF) {
            codes.insert(codes.end(), {kFfGroupCode, group[6], group[7]});
        } else {
            codes.insert(codes.end(), {kFfGroupLongCode, group[5], group[6], group[7]});
        }
        bytes = bytes.subspan(*p + kGroupLength);
    }
    EncodeRunsAndLiterals(bytes, codes);
}

} // namespace

std::optional<std::size_t> DecodePrcSection(std::span<const std::uint8_t> codes,
                                            std::vector<std::uint8_t>& section) {
    section.clear();
    SectionBuilder out(section);
    std::size_t p = 0;
    // Whether the next n code bytes exist; then p moves past them.
    auto take = [&](std::size_t n) {
        if (codes.size() - p < n) {
            return false;
        }
        p += n;
        return true;
    };
    while (p < codes.size()) {
        const std::uint8_t b = codes[p++];
        const std::uint8_t* arg = codes.data() + p;
        bool ok = false;
        if (b >= kLiteralBase) {
            const std::size_t count = (b & 0x7F) + 1;
            ok = take(count) && out.Append({arg, count});
        } else if (b >= kZeroRunBase) {
            ok = out.Repeat((b & 0x3F) + 1, 0x00);
        } else if (b >= kRunBase) {
            ok = take(1) && out.Repeat((b & 0x1F) + 2, arg[0]);
        } else if (b >= kFfRunBase) {
            ok = out.Repeat((b & 0x0F) + 1, 0xFF);
        } else if (b == kFfGroupCode) {
            ok = take(2) && out.Append({0, 0, 0, 0, 0xFF, 0xFF, arg[0], arg[1]});
        } else if (b == kFfGroupLongCode) {
            ok = take(3) && out.Append({0, 0, 0, 0, 0xFF, arg[0], arg[1], arg[2]});
        } else if (b == kA9GroupCode) {
            ok = take(3) && out.Append({0xA9, 0xF0, 0, 0, arg[0], arg[1], 0, arg[2]});
        } else if (b == kA9GroupLongCode) {
            ok = take(4) && out.Append({0xA9, 0xF0, 0, arg[0], arg[1], arg[2], 0, arg[3]});
        } else if (b == kEndCode) {
            return p;
        }
        if (!ok) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

void EncodePrcSection(std::span<const std::uint8_t> section, std::vector<std::uint8_t>& codes) {
    while (const std::optional<std::size_t> p = FindA9Group(section)) {
        EncodeWithoutA9Groups(section.first(*p), codes);
        const std::uint8_t* group = section.data() + *p;
        if (group[3] == 0) {
            codes.insert(codes.end(), {kA9GroupCode, group[4], group[5], group[7]});
        } else {
            codes.insert(codes.end(), {kA9GroupLongCode, group[3], group[4], group[5], group[7]});
        }
        section = section.subspan(*p + kGroupLength);
    }
    EncodeWithoutA9Groups(section, codes);
}

} // namespace k7r::containers
