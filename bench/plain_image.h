#pragma once

#include <cstddef>
#include <string>

namespace k7r::bench {

inline constexpr std::size_t kPlainImageSize = std::size_t{256} << 20;

// A 256 MiB plain image whose one record lies at its end, made once and
// kept in the build tree. The filler holds every byte value but FFh, the
// marker's first byte once in 256 bytes on average, so that a memchr for
// FFh runs through the whole file and the record search meets many
// candidates on its way.
const std::string& PlainImagePath();

} // namespace k7r::bench
