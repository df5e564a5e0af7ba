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

// The file at path read once from start to end with read(), through a
// buffer of the size the scans read at a time, its bytes left untouched:
// the cheapest way of reading it from the file cache. Ends the benchmark
// when it is not the plain image's size.
void ReadPass(const std::string& path);

} // namespace k7r::bench
