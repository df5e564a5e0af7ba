// Every setting id with values of every class (in range, out of range, not a
// number) through SetSettingText: a refused value changes nothing, and an
// accepted one changes only the setting's own bits and what the follow-ups
// that the pages and the settings engine name for it rewrite. The lists of
// follow-ups below are written from those rules, not read from the code.
#include "edit/setting_edit.h"
#include "regs/field_attributes.h"
#include "regs/field_table.h"
#include "regs/setting_ids.h"
#include "tests/edit/edit_fixture.h"

#include <cstddef>
#include <cstring>
#include <set>
#include <vector>

namespace k7r::edit {
namespace {

// What a change may alter: a record whose set bits mark them.
class Alterable {
  public:
    explicit Alterable(const HAL_STRUCT& record) : record_(record) {}

    Alterable& Bytes(std::size_t offset, std::size_t size) {
        std::memset(reinterpret_cast<std::uint8_t*>(&mask_) + offset, 0xFF, size);
        return *this;
    }
    Alterable& Flags(std::uint32_t bits) {
        mask_.Flags |= bits;
        return *this;
    }
    // Those bits of every entry of the register.
    Alterable& Register(std::uint32_t reg, std::uint32_t bits) {
        for (int position = 0; position < HAL_MAX_REGS; ++position) {
            if (record_.Regs[position].Index == reg) {
                mask_.Regs[position].Value |= bits;
            }
        }
        return *this;
    }
    // The bits of the setting's own field, for register settings.
    Alterable& Own(std::uint32_t id) {
        for (const regs::FIELD_DESC& field : regs::kFieldTable) {
            if (field.Id == id && (field.Attributes & regs::ffREGISTER)) {
                Register(field.Register, field.Mask);
            }
        }
        return *this;
    }

    // Offsets of the bytes that changed beyond what may change.
    std::vector<std::size_t> Stray(const HAL_STRUCT& after) const {
        std::vector<std::size_t> stray;
        const auto* a = reinterpret_cast<const std::uint8_t*>(&record_);
        const auto* b = reinterpret_cast<const std::uint8_t*>(&after);
        const auto* m = reinterpret_cast<const std::uint8_t*>(&mask_);
        for (std::size_t i = 0; i < sizeof(HAL_STRUCT); ++i) {
            if ((a[i] ^ b[i]) & ~m[i]) {
                stray.push_back(i);
            }
        }
        return stray;
    }

  private:
    const HAL_STRUCT& record_;
    HAL_STRUCT mask_{};
};

#define K7R_HEADER(member) offsetof(HAL_STRUCT, member), sizeof(HAL_STRUCT::member)

// The follow-ups, as the settings engine and the pages name them.
void GpioRecomputation(Alterable& a) {
    a.Register(0x64, 0xFFFF00FF); // input enable, config, status
}
void GpoPower(Alterable& a) {
    a.Register(0x68, 0x7FF);
}
void PowerPins(Alterable& a) {
    a.Bytes(K7R_HEADER(GpioPowerMask)).Bytes(K7R_HEADER(GpoPowerMask));
    GpioRecomputation(a);
    GpoPower(a);
}
void PanelTypeRegisters(Alterable& a) {
    a.Register(0x0C, 0x3).Register(0x48, 0xF).Flags(fHRTFT_INUSE);
    PowerPins(a);
}
void Layout(Alterable& a) {
    a.Register(0x40, 0x1FFFF).Register(0x44, 0x3FF).Register(0x50, 0x1FFFF).Register(0x54, 0x3FF);
    a.Bytes(K7R_HEADER(RequiredVram));
}
void FrameRate(Alterable& a) {
    a.Bytes(K7R_HEADER(FrameRate));
}

void Expect(std::uint32_t id, Alterable& a) {
    a.Own(id);
    switch (id) {
    case 1:
        a.Bytes(K7R_HEADER(Description));
        break;
    case 2:
        a.Bytes(K7R_HEADER(ClkI));
        FrameRate(a);
        break;
    case 3:
        a.Bytes(K7R_HEADER(ClkI2));
        FrameRate(a);
        break;
    case 4:
        a.Bytes(K7R_HEADER(RegPhysAddr));
        break;
    case 5:
        a.Bytes(K7R_HEADER(MemPhysAddr));
        break;
    case 6:
        a.Bytes(K7R_HEADER(PowerOffTime));
        break;
    case 7:
        a.Bytes(K7R_HEADER(PowerOnTime)).Register(riDELAYON, 0xFFFFFFFF);
        break;
    case 8:
        a.Bytes(K7R_HEADER(GpioPowerMask));
        GpioRecomputation(a);
        break;
    case 9:
        a.Bytes(K7R_HEADER(GpoPowerMask));
        GpoPower(a);
        break;
    case 12:
    case 13:
        a.Flags(fBCLK_DIVIDEBY2);
        FrameRate(a);
        break;
    case 14:
        a.Flags(fFIXED_DIVMCLK);
        break;
    case 15:
        a.Flags(fFIXED_DIVPCLK).Register(0x08, 0x70);
        FrameRate(a);
        break;
    case 16:
    case 17:
        a.Flags(id == 16 ? fNO_CLOCK_CHIP : fNO_USB_SUPPORT).Bytes(K7R_HEADER(GpioPowerMask));
        GpioRecomputation(a);
        break;
    case 18:
        a.Flags(fFIXED_STRIDE);
        Layout(a);
        break;
    case 24:
    case 44:
    case 82:
        PanelTypeRegisters(a);
        break;
    case 29:
    case 30:
        a.Flags(fFIXED_DIVMCLK);
        FrameRate(a);
        break;
    case 32:
    case 33:
        a.Flags(fFIXED_DIVPCLK);
        FrameRate(a);
        break;
    case 31:
    case 34:
    case 67:
    case 73:
    case 111:
    case 112:
    case 113:
    case 114:
    case 115:
    case 116:
        FrameRate(a);
        break;
    case 45:
    case 46:
    case 52:
    case 53:
    case 54:
    case 79:
    case 80:
        Layout(a);
        break;
    case 68:
    case 74:
        Layout(a);
        FrameRate(a);
        break;
    }
}

// Never taken: computed (10, 11, 19 to 23), read-only, and the fields of
// registers the template's table has no entry for (18h, 1Ch, 8004h to
// 8024h).
std::set<std::uint32_t> AlwaysRefused() {
    std::set<std::uint32_t> ids = {10, 11, 19, 20, 21, 22, 23, 25, 26, 27, 28, 55, 56};
    for (std::uint32_t id = 59; id <= 66; ++id) {
        ids.insert(id);
    }
    for (std::uint32_t id = 171; id <= 185; ++id) {
        ids.insert(id);
    }
    return ids;
}

// Values of every class; lists also get their texts.
std::vector<std::string> Values(EditSession& session, std::uint32_t id) {
    std::vector<std::string> values = {"0",     "1",   "2",      "4",          "8",   "16",
                                       "90",    "64",  "25.175", "1234",       "400", "65535",
                                       "70000", "1e3", "-1",     "4294967296", "",    "Enabled"};
    for (std::uint32_t item = 0; item < 4; ++item) {
        if (const auto text = regs::GetFieldListText(session.config, id, item)) {
            values.push_back(*text);
        }
    }
    return values;
}

// The template as it is, and as a TFT panel with GPIO power, no clock chip,
// no USB and a stride of its own.
HAL_STRUCT TftRecord() {
    config::WorkingConfig config(TemplateRecord);
    regs::SetFieldValue(config, regs::kIdPanelType, 1);
    regs::SetFieldValue(config, regs::kIdClockChip, 0);
    regs::SetFieldValue(config, regs::kIdUsbEnable, 0);
    regs::SetFieldValue(config, regs::kIdAutoStride, 0);
    return config.Record;
}

TEST(SettingSweep, ChangesTouchOnlyTheSettingAndItsFollowUps) {
    const panels::PanelDefList noPanels;
    const std::set<std::uint32_t> refused = AlwaysRefused();
    std::set<std::uint32_t> changedIds;
    for (const HAL_STRUCT& start : {TemplateRecord, TftRecord()}) {
        for (const regs::FIELD_DESC& field : regs::kFieldTable) {
            EditSession probe(start, noPanels);
            for (const std::string& value : Values(probe, field.Id)) {
                EditSession session(start, noPanels);
                const EditResult result = SetSettingText(session, field.Id, value);
                const HAL_STRUCT& after = session.config.Record;
                if (!result.accepted()) {
                    EXPECT_EQ(std::memcmp(&start, &after, sizeof start), 0)
                        << field.Id << "=" << value << " refused but changed the record";
                    EXPECT_TRUE(result.message.starts_with("ERROR: ")) << result.message;
                    continue;
                }
                EXPECT_FALSE(refused.contains(field.Id)) << field.Id << "=" << value;
                Alterable alterable(start);
                Expect(field.Id, alterable);
                const std::vector<std::size_t> stray = alterable.Stray(after);
                EXPECT_TRUE(stray.empty()) << field.Id << "=" << value << " changed record byte "
                                           << (stray.empty() ? 0 : stray.front());
                if (result.changed) {
                    changedIds.insert(field.Id);
                }
            }
        }
    }
    for (const regs::FIELD_DESC& field : regs::kFieldTable) {
        EXPECT_NE(changedIds.contains(field.Id), refused.contains(field.Id)) << field.Id;
    }
}

} // namespace
} // namespace k7r::edit
