#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

namespace k7r::regs {

// Per-record operations of the settings engine. Each receives the position of
// its own record in kFieldTable, so that one function can serve several
// records. A record without an operation uses the engine's generic register
// field access instead.
using FieldGetFn = std::uint32_t (*)(config::WorkingConfig& config, std::size_t record);
using FieldLimitFn = std::uint32_t (*)(config::WorkingConfig& config, std::size_t record);
using FieldSetFn = void (*)(config::WorkingConfig& config, std::size_t record, std::uint32_t value);
using FieldListTextFn = std::optional<std::string> (*)(config::WorkingConfig& config,
                                                       std::size_t record, std::uint32_t item);

// One register bit field or one configuration setting. Texts that a record
// does not have are empty. The dialog controls that show a record are run-time
// state and live apart from this constant table (field_controls.h).
struct FIELD_DESC {
    std::uint32_t Id;           // setting id, 1 to 185
    std::uint32_t Attributes;   // ff... bits (field_attributes.h)
    std::uint32_t Register = 0; // register offset of an ffREGISTER record
    std::uint32_t Mask = 0;     // the field's bits within the register
    FieldGetFn Get = nullptr;
    FieldLimitFn Min = nullptr;
    FieldLimitFn Max = nullptr;
    FieldSetFn Set = nullptr;
    FieldListTextFn ListText = nullptr;
    std::string_view Formula{}; // displayed quantity from the register bits; "%s" = the bits
    std::string_view Units{};
    std::string_view ShortName{};
    std::string_view LongName{};
    std::string_view Help{};
};

inline constexpr std::size_t kFieldCount = 186;
extern const std::array<FIELD_DESC, kFieldCount> kFieldTable;

// Position of the first record with that id (ids 25 and 26 occur twice);
// kFieldCount when no record has it.
std::size_t FindField(std::uint32_t id);

} // namespace k7r::regs
