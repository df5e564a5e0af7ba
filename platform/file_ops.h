#pragma once

#include <string>

// Whole-file operations by path.
namespace k7r::platform {

// Whether both paths name one existing file, however they are spelt (on
// Windows also letter case). Two spellings of a file that does not exist
// are the same only when they are equal.
bool NameSameFile(const std::string& first, const std::string& second);

} // namespace k7r::platform
