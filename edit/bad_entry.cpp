#include "edit/bad_entry.h"

#include "regs/field_names.h"

namespace k7r::edit {
namespace {

std::string Opening(std::string_view text, std::uint32_t id) {
    std::string message = "ERROR: \"";
    message += text;
    message += "\" is not a valid ";
    message += regs::FormatFieldName(id, regs::kShortForms | regs::kShowName);
    return message;
}

} // namespace

std::string BadEntryMessage(std::string_view text, std::uint32_t id) {
    return Opening(text, id) + "!\n";
}

std::string BadEntryMessage(std::string_view text, std::uint32_t id, std::uint32_t min,
                            std::uint32_t max) {
    return Opening(text, id) + " (must be between " + std::to_string(min) + " and " +
           std::to_string(max) + ")!\n";
}

} // namespace k7r::edit
