#include "regs/field_attributes.h"

namespace k7r::regs {

std::string AttributeNames(std::uint32_t attributes) {
    std::string names;
    for (const AttributeName& attribute : kAttributeNames) {
        if ((attributes & attribute.bit) != 0) {
            if (!names.empty()) {
                names += '|';
            }
            names += attribute.name;
        }
    }
    return names.empty() ? "0" : names;
}

} // namespace k7r::regs
