#include "panels/panel_def_parser.h"

#include <array>
#include <cstdint>

namespace k7r::panels {

namespace {

constexpr std::string_view kVersionKeyword = "VERSION ";
constexpr std::string_view kPanelKeyword = "PANEL ";

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A signed decimal integer at the start of text, read the way a "%d"
// conversion reads it: leading white space, then an optional sign. Nothing
// when there are no digits or the number does not fit 32 bits.
std::optional<std::int32_t> LeadingInteger(std::string_view text) {
    std::size_t position = 0;
    while (position < text.size() && IsWhiteSpace(text[position])) {
        ++position;
    }
    bool negative = false;
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
        negative = text[position] == '-';
        ++position;
    }
    const std::size_t firstDigit = position;
    std::int64_t magnitude = 0;
    while (position < text.size() && text[position] >= '0' && text[position] <= '9') {
        magnitude = magnitude * 10 + (text[position] - '0');
        if (magnitude > std::int64_t{INT32_MAX} + 1) {
            return std::nullopt;
        }
        ++position;
    }
    if (position == firstDigit) {
        return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

enum class FieldKind { Type, Number, StartPosition, TriState, DataFormat, Polarity };

struct FieldRule {
    std::int32_t PanelDef::*member;
    FieldKind kind;
};

// Fields 2 to 24 of a PANEL line, in line order.
constexpr std::array<FieldRule, 23> kFieldRules{{
    {&PanelDef::type, FieldKind::Type},
    {&PanelDef::width, FieldKind::Number},
    {&PanelDef::height, FieldKind::Number},
    {&PanelDef::el, FieldKind::TriState},
    {&PanelDef::dataWidth, FieldKind::Number},
    {&PanelDef::tft2x, FieldKind::TriState},
    {&PanelDef::dataFormat, FieldKind::DataFormat},
    {&PanelDef::color, FieldKind::TriState},
    {&PanelDef::dual, FieldKind::TriState},
    {&PanelDef::pclkKHz, FieldKind::Number},
    {&PanelDef::hTotal, FieldKind::Number},
    {&PanelDef::hStart, FieldKind::StartPosition},
    {&PanelDef::vTotal, FieldKind::Number},
    {&PanelDef::vStart, FieldKind::StartPosition},
    {&PanelDef::lineStart, FieldKind::Number},
    {&PanelDef::lineWidth, FieldKind::Number},
    {&PanelDef::linePol, FieldKind::Polarity},
    {&PanelDef::frameStart, FieldKind::Number},
    {&PanelDef::frameWidth, FieldKind::Number},
    {&PanelDef::framePol, FieldKind::Polarity},
    {&PanelDef::spareFlag, FieldKind::TriState},
    {&PanelDef::spare1, FieldKind::Number},
    {&PanelDef::spare2, FieldKind::Number},
}};

struct TypeToken {
    std::string_view token;
    std::int32_t code;
};

// Tried in this order, so that an abbreviation takes the first name it begins.
constexpr std::array<TypeToken, 5> kTypeTokens{{
    {"STN", kPanelStn},
    {"TFT", kPanelTft},
    {"HR-TFT", kPanelHrTft},
    {"D-TFD", kPanelDTfd},
    {"HR-TFT2", kPanelHrTft2},
}};

std::int32_t DecodeType(std::string_view token) {
    for (const TypeToken& type : kTypeTokens) {
        if (type.token.starts_with(token)) {
            return type.code;
        }
    }
    return kNotGiven;
}

// Only the first character of a flag token counts: one of the letters for
// 1, one of those for 0, n for not applicable.
std::int32_t DecodeFlag(char first, std::string_view one, std::string_view zero) {
    if (one.find(first) != std::string_view::npos) {
        return 1;
    }
    if (zero.find(first) != std::string_view::npos) {
        return 0;
    }
    return first == 'n' ? kNotApplicable : kNotGiven;
}

std::int32_t DecodeField(FieldKind kind, std::string_view token) {
    switch (kind) {
    case FieldKind::Type:
        return DecodeType(token);
    case FieldKind::StartPosition:
        if (token.front() == 'n') {
            return 0;
        }
        [[fallthrough]];
    case FieldKind::Number:
        return LeadingInteger(token).value_or(0);
    case FieldKind::TriState:
        return DecodeFlag(token.front(), "T1", "F0");
    case FieldKind::DataFormat:
        return DecodeFlag(token.front(), "2", "1");
    case FieldKind::Polarity:
        return DecodeFlag(token.front(), "H", "L");
    }
    return kNotGiven;
}

// Walks a line's space-separated tokens. Only the space character separates:
// a tab is part of a token.
class TokenReader {
  public:
    explicit TokenReader(std::string_view line, std::size_t position)
        : line_(line), position_(position) {}

    void SkipSpaces() {
        while (position_ < line_.size() && line_[position_] == ' ') {
            ++position_;
        }
    }

    std::string_view NextToken() {
        SkipSpaces();
        const std::size_t start = position_;
        while (position_ < line_.size() && line_[position_] != ' ') {
            ++position_;
        }
        return line_.substr(start, position_ - start);
    }

    // The text between the next two double quotes, which may hold spaces.
    std::optional<std::string_view> NextQuotedName() {
        SkipSpaces();
        const std::size_t open = line_.find('"', position_);
        if (open == std::string_view::npos) {
            return std::nullopt;
        }
        const std::size_t close = line_.find('"', open + 1);
        if (close == std::string_view::npos || close - open - 1 > kMaxPanelNameLength) {
            return std::nullopt;
        }
        position_ = close + 1;
        return line_.substr(open + 1, close - open - 1);
    }

  private:
    std::string_view line_;
    std::size_t position_;
};

// The line's own end (LF, or CR LF when a DOS file is read on POSIX) is not
// part of the last token.
std::string_view WithoutLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    return line;
}

} // namespace

std::optional<std::int32_t> ParseVersionLine(std::string_view line) {
    if (!line.starts_with(kVersionKeyword)) {
        return std::nullopt;
    }
    return LeadingInteger(line.substr(kVersionKeyword.size()));
}

bool IsPanelLine(std::string_view line) {
    return line.starts_with(kPanelKeyword);
}

std::optional<PanelDef> ParsePanelLine(std::string_view line) {
    TokenReader reader(WithoutLineEnd(line), kPanelKeyword.size());
    const std::optional<std::string_view> name = reader.NextQuotedName();
    if (!name) {
        return std::nullopt;
    }
    PanelDef def;
    def.name = std::string(*name);
    for (const FieldRule& rule : kFieldRules) {
        const std::string_view token = reader.NextToken();
        if (token.empty()) {
            break; // the line ended: the remaining fields stay not given
        }
        def.*rule.member = DecodeField(rule.kind, token);
    }
    return def;
}

} // namespace k7r::panels
