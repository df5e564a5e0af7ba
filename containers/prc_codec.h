#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace k7r::containers {

// Decodes one compressed section of a PRC "data" resource into section
// (which it replaces). Returns the number of code bytes used, the final
// code 0 included; nothing when the codes hold an invalid code, end before
// their code 0 or would decode to more than 64 KB.
std::optional<std::size_t> DecodePrcSection(std::span<const std::uint8_t> codes,
                                            std::vector<std::uint8_t>& section);

// Appends the codes for a section's bytes, without the final code 0.
void EncodePrcSection(std::span<const std::uint8_t> section, std::vector<std::uint8_t>& codes);

} // namespace k7r::containers
