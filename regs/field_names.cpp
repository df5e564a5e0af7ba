#include "regs/field_names.h"

#include "regs/field_attributes.h"
#include "regs/field_bits.h"
#include "regs/field_table.h"

#include <cstdio>
#include <string_view>

namespace k7r::regs {
namespace {

// Separates a record's own help text from the generated name and formula.
constexpr std::string_view kHelpRule = "__________________________________________________";

// "REG[20h-b6:0]" / "REG[20h] Bits 6:0"; a whole register is "REG[80h]".
std::string RegisterPosition(const FIELD_DESC& field, bool shortForms) {
    const BitRange bits = FieldBitRange(field.Mask);
    char text[48];
    if (bits.Lo == 0 && bits.Hi == 31) {
        std::snprintf(text, sizeof text, "REG[%02Xh]", field.Register);
    } else if (bits.Hi == bits.Lo) {
        std::snprintf(text, sizeof text, shortForms ? "REG[%02Xh-b%d]" : "REG[%02Xh] Bit %d",
                      field.Register, bits.Lo);
    } else {
        std::snprintf(text, sizeof text, shortForms ? "REG[%02Xh-b%d:%d]" : "REG[%02Xh] Bits %d:%d",
                      field.Register, bits.Hi, bits.Lo);
    }
    return text;
}

// "[RESERVED,READONLY]" / "[RSVD,RO]"; empty when the record has none of them.
std::string AttributeNotes(std::uint32_t attributes, bool shortForms) {
    struct Note {
        std::uint32_t Attribute;
        std::string_view Short;
        std::string_view Long;
    };
    static constexpr Note kNotes[] = {
        {ffRESERVED, "RSVD", "RESERVED"},
        {ffREADONLY, "RO", "READONLY"},
        {ffWRITEONLY, "WO", "WRITEONLY"},
    };
    std::string text;
    for (const Note& note : kNotes) {
        if (attributes & note.Attribute) {
            text += text.empty() ? '[' : ',';
            text += shortForms ? note.Short : note.Long;
        }
    }
    if (!text.empty()) {
        text += ']';
    }
    return text;
}

// The formula with its "%s" replaced by the field's register position.
std::string ApplyFormula(std::string_view formula, const std::string& position) {
    std::string text(formula.empty() ? "%s" : formula);
    const std::size_t slot = text.find("%s");
    if (slot != std::string::npos) {
        text.replace(slot, 2, position);
    }
    return text;
}

} // namespace

std::string FormatRecordName(std::size_t record, unsigned style) {
    const FIELD_DESC& field = kFieldTable[record];
    const bool shortForms = style & kShortForms;
    std::string text;
    const auto append = [&text](std::string_view piece) {
        if (!piece.empty()) {
            text += piece;
            text += ' ';
        }
    };
    if (style & kShowName) {
        append(shortForms ? field.ShortName : field.LongName);
    }
    // A setting that is not a register field has no position to show.
    if ((style & kShowPosition) && (field.Attributes & ffREGISTER)) {
        const std::string position = RegisterPosition(field, shortForms);
        append((style & kShowName) ? "(" + position + ")" : position);
    }
    if (style & kShowAttributes) {
        append(AttributeNotes(field.Attributes, shortForms));
    }
    if (!text.empty()) {
        text.pop_back();
    }
    return text;
}

std::string FormatFieldName(std::uint32_t id, unsigned style) {
    const std::size_t record = FindField(id);
    return record == kFieldCount ? std::string() : FormatRecordName(record, style);
}

void AppendHelpParagraph(std::string& text, std::size_t record) {
    const FIELD_DESC& field = kFieldTable[record];
    if (!text.empty()) {
        text += "\n\n";
    }
    if (!field.Help.empty()) {
        text += field.Help;
        text += '\n';
        text += kHelpRule;
        text += '\n';
    }
    text += FormatRecordName(record, kShowName | kShowAttributes);
    if (!field.Units.empty()) {
        text += " (";
        text += field.Units;
        text += ')';
    }
    if (field.Attributes & ffREGISTER) {
        text += " = ";
        text += ApplyFormula(field.Formula, FormatRecordName(record, kShowPosition | kShortForms));
    } else {
        text += " is not a register value.";
    }
}

std::string FieldHelpForId(std::uint32_t id) {
    std::string text;
    for (std::size_t record = 0; record < kFieldCount; ++record) {
        if (kFieldTable[record].Id == id) {
            AppendHelpParagraph(text, record);
        }
    }
    return text;
}

} // namespace k7r::regs
