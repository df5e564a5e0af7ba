#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace k7r::regs {

// One register of the chip (or a pseudo-register of the initialization table).
struct REG_DESC {
    std::uint32_t Offset;        // byte offset in the register space, or pseudo-index
    std::string_view Identifier; // symbolic name, as printed in enum eReg
    std::string_view Name;       // full name
};

// The USB extended registers reached through the index/data pair at
// REG[4038h]/REG[403Ah]; Offset is the extended index.
using USB_EXT_DESC = REG_DESC;

// Every real register first, then riDELAYOFF, riDELAYON and riREGEND, always
// the last three in that order.
inline constexpr std::size_t kRegisterCount = 97;
inline constexpr std::size_t kRealRegisterCount = kRegisterCount - 3;
extern const std::array<REG_DESC, kRegisterCount> kRegisterTable;

inline constexpr std::size_t kUsbExtRegisterCount = 13;
extern const std::array<USB_EXT_DESC, kUsbExtRegisterCount> kUsbExtRegisterTable;

// The table's texts for a register offset or pseudo-index; "<ERROR>" when
// the table has no such register.
std::string_view GetRegisterIdentifier(std::uint32_t offset);
std::string_view GetRegisterName(std::uint32_t offset);

// The name hal_struct.h gives a pseudo-index of the initialization table:
// "riDELAYOFF", "riDELAYON" or "riREGEND"; none for a register offset.
std::optional<std::string_view> PseudoIndexName(std::uint32_t index);

} // namespace k7r::regs
