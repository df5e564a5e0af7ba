#include "export/html_export.h"

#include "config/hal_struct.h"
#include "export/maker_notices.h"
#include "export/text_format.h"
#include "regs/field_attributes.h"
#include "regs/field_bits.h"
#include "regs/field_names.h"
#include "regs/field_table.h"
#include "regs/register_table.h"

#include <optional>

namespace k7r::exporter {
namespace {

constexpr std::uint32_t kWholeRegister = 0xFFFFFFFF;
constexpr int kCellWidth = 38;
constexpr int kCellHeight = 36;

bool IsFieldOf(const regs::FIELD_DESC& field, std::uint32_t offset) {
    return (field.Attributes & regs::ffREGISTER) && field.Register == offset;
}

bool IsReserved(const regs::FIELD_DESC& field) {
    return field.Attributes & regs::ffRESERVED;
}

// The first register field of the register at or after position first whose
// bits include the bit: where two records describe the same bits, the first
// in table order is the one drawn and listed.
std::optional<std::size_t> FieldAtBit(std::uint32_t offset, std::size_t first, int bit) {
    for (std::size_t i = first; i < regs::kFieldTable.size(); ++i) {
        const regs::FIELD_DESC& field = regs::kFieldTable[i];
        if (IsFieldOf(field, offset) && (field.Mask >> bit & 1)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> FirstFieldOf(std::uint32_t offset) {
    for (std::size_t i = 0; i < regs::kFieldTable.size(); ++i) {
        if (IsFieldOf(regs::kFieldTable[i], offset)) {
            return i;
        }
    }
    return std::nullopt;
}

void AppendNumberCell(std::string& html, int bit) {
    html += "\n<TD BGCOLOR=#C0C0C0 WIDTH=38><FONT COLOR=#404040 FACE=Arial,Helvetica "
            "POINT-SIZE=7 STYLE=font-size:7pt>";
    html += Printf("<CENTER>%d</CENTER>", bit);
    html += "</FONT></TD>";
}

// One row of the bit drawing for bits top down to top - 15. Returns whether
// a field covering the whole register filled it, which leaves the other
// half's row out.
bool AppendFieldRow(std::string& html, std::uint32_t offset, std::size_t first, int top) {
    const std::uint32_t halfMask = 0xFFFFu << (top - 15);
    bool wholeRegister = false;
    html += "\n<TR>";
    for (int bit = top; bit >= top - 15;) {
        const std::optional<std::size_t> found = FieldAtBit(offset, first, bit);
        if (!found) {
            html += "\n<TD BGCOLOR=WHITE WIDTH=38 HEIGHT=36><FONT SIZE=-2 FACE=Arial,Helvetica "
                    "POINT-SIZE=7 STYLE=font-size:7pt>";
            html += "<CENTER>n/a</CENTER>";
            html += "</FONT></TD>";
            --bit;
            continue;
        }
        const regs::FIELD_DESC& field = regs::kFieldTable[*found];
        const regs::BitRange range = regs::FieldBitRange(field.Mask & halfMask);
        const int span = range.Hi - range.Lo + 1;
        wholeRegister = wholeRegister || field.Mask == kWholeRegister;
        html += Printf("\n<TD BGCOLOR=%s WIDTH=%d HEIGHT=%d COLSPAN=%d><FONT COLOR=BLACK "
                       "FACE=Arial,Helvetica POINT-SIZE=7 STYLE=font-size:7pt>",
                       IsReserved(field) ? "#E0E0E0" : "YELLOW", kCellWidth * span,
                       field.Mask == kWholeRegister ? 2 * kCellHeight : kCellHeight, span);
        const std::string name =
            IsReserved(field)
                ? "[RSVD]"
                : regs::FormatFieldName(field.Id, regs::kShowName | regs::kShortForms |
                                                      regs::kShowAttributes);
        html += "<CENTER>" + name + "</CENTER>";
        html += "</FONT></TD>";
        bit = range.Lo - 1;
    }
    html += "\n</TR>";
    return wholeRegister;
}

void AppendBitDrawing(std::string& html, std::uint32_t offset, std::size_t first) {
    html += "\n<BR><TABLE BORDER=1 BORDERCOLOR=#C0C0C0 CELLPADDING=0 CELLSPACING=0><TR>";
    for (int bit = 31; bit >= 16; --bit) {
        AppendNumberCell(html, bit);
    }
    html += "\n</TR>";
    if (!AppendFieldRow(html, offset, first, 31)) {
        AppendFieldRow(html, offset, first, 15);
    }
    html += "\n<TR>";
    for (int bit = 15; bit >= 0; --bit) {
        AppendNumberCell(html, bit);
    }
    html += "</TR></TABLE>";
}

// The formula with the field's bits in place of its "%s".
std::string FormulaText(std::string_view formula, const std::string& bits) {
    const std::size_t at = formula.find("%s");
    if (at == std::string_view::npos) {
        return std::string(formula);
    }
    return std::string(formula.substr(0, at)) + bits + std::string(formula.substr(at + 2));
}

void AppendFieldLine(std::string& html, const regs::FIELD_DESC& field) {
    const regs::BitRange range = regs::FieldBitRange(field.Mask);
    const bool oneBit = range.Hi == range.Lo;
    html += "\n<TR><TD WIDTH=65 ALIGN=RIGHT VALIGN=TOP><FONT SIZE=-2 "
            "FACE=Verdana,Arial,Helvetica>";
    html += oneBit ? Printf("Bit %d", range.Lo) : Printf("Bits %d:%d", range.Hi, range.Lo);
    html += "</FONT></TD><TD WIDTH=5></TD><TD VALIGN=TOP><FONT SIZE=-2 "
            "FACE=Verdana,Arial,Helvetica>";
    if (IsReserved(field)) {
        html += "[RESERVED] Must be set to 0.";
    } else {
        html += regs::FormatFieldName(field.Id, regs::kShowName | regs::kShowAttributes);
        if (!field.Units.empty()) {
            html += " (in " + std::string(field.Units) + ")";
        }
        if (!field.Formula.empty()) {
            const std::string bits =
                oneBit ? Printf("bit%d", range.Lo) : Printf("bits%d:%d", range.Hi, range.Lo);
            html += " = " + FormulaText(field.Formula, bits);
        }
    }
    html += "</FONT></TD></TR>";
}

void AppendFieldList(std::string& html, std::uint32_t offset, std::size_t first) {
    html += "\n<TABLE BORDER=0 CELLPADDING=0 CELLSPACING=0>";
    for (int bit = 31; bit >= 0;) {
        const std::optional<std::size_t> found = FieldAtBit(offset, first, bit);
        if (!found) {
            --bit;
            continue;
        }
        const regs::FIELD_DESC& field = regs::kFieldTable[*found];
        AppendFieldLine(html, field);
        bit = regs::FieldBitRange(field.Mask).Lo - 1;
    }
    html += "</TABLE>";
}

} // namespace

std::string ExportHtml(unsigned build) {
    std::string html;
    html += "<HTML>\n";
    html += "<HEAD>\n";
    html += "<TITLE>TAVEX K7R58C22 Register Quick Reference</TITLE>";
    html += "\n</HEAD>\n";
    html += "<BODY>\n";
    html += "<TABLE BORDER=0 CELLPADDING=0 CELLSPACING=0><TR><TD WIDTH=640>\n";
    html += "<FONT FACE=Verdana,Arial,Helvetica SIZE=-2>\n";
    html += "\n";
    html += "<P><FONT SIZE=+1><CENTER>TAVEX K7R58C22<BR>Register Quick Reference</FONT></CENTER>";
    html += "\n\n";
    html += "<P>This is to be used as a quick reference only (USB registers are not included). "
            "Please refer to the ";
    html += "K7R58C22 Hardware Functional Specification for details of each register.";
    html += Printf("<BR><I>This reference was generated by 58C22CFG.EXE (Build %u).</I>", build);
    html += "\n\n<P>";
    html += "<FONT FACE=Verdana,Arial,Helvetica SIZE=-1>";

    for (const regs::REG_DESC& reg : regs::kRegisterTable) {
        if (reg.Offset >= riRESERVED_FIRST) {
            continue;
        }
        // Registers without described bit fields (the USB block) have no
        // section.
        const std::optional<std::size_t> first = FirstFieldOf(reg.Offset);
        if (!first) {
            continue;
        }
        html += Printf("\n<P><FONT SIZE=-1><B>REG[%02Xh] %s</B></FONT>", reg.Offset,
                       std::string(reg.Name).c_str());
        AppendBitDrawing(html, reg.Offset, *first);
        AppendFieldList(html, reg.Offset, *first);
    }

    html += "</FONT>";
    html += "<P><HR><FONT FACE=Verdana,Arial,Helvetica SIZE=-2 POINT-SIZE=7 "
            "STYLE=font-size:7pt><I>";
    html += kHtmlNotices;
    html += "property of their respective owners.</I></FONT>\n\n";
    html += "</TD></TR></TABLE>\n<FONT>\n</BODY>\n</HTML>\n\n";
    return html;
}

} // namespace k7r::exporter
