// The Modify Register dialog's rule.
#include "edit/register_edit.h"
#include "regs/register_access.h"
#include "tests/edit/edit_fixture.h"

namespace k7r::edit {
namespace {

TEST_F(EditTest, ModifyRegisterReadsTheDialogsBase) {
    const int position = 1; // REG[64h]
    EXPECT_TRUE(ModifyRegister(session, position, "ffff", NumberBase::Hexadecimal).changed);
    EXPECT_EQ(regs::ReadRegister(session.config, 0x64, position), 0xFFFFu);
    EXPECT_FALSE(ModifyRegister(session, position, "65535", NumberBase::Decimal).changed);
    for (const auto& [text, base] :
         {std::pair{"12G", NumberBase::Hexadecimal}, std::pair{"0x12", NumberBase::Decimal}}) {
        const EditResult refused = ModifyRegister(session, position, text, base);
        EXPECT_FALSE(refused.accepted());
        EXPECT_EQ(refused.message, "ERROR:Invalid value entered!");
    }
    EXPECT_EQ(regs::ReadRegister(session.config, 0x64, position), 0xFFFFu);
}

} // namespace
} // namespace k7r::edit
