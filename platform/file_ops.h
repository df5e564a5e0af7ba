#pragma once

#include "platform/system_error.h"

#include <string>

// Whole-file operations by path.
namespace k7r::platform {

// Copies the content (and on POSIX the permission bits) of source to target,
// replacing an existing target. Never truncates the source: a target that is
// the source itself is refused.
Status CopyFileReplacing(const std::string& source, const std::string& target);

// Makes the file an ordinary writable file (a read-only copy becomes
// writable).
Status ClearFileAttributes(const std::string& path);

Status RemoveFile(const std::string& path);

// Whether both paths name one existing file, however they are spelt (on
// Windows also letter case). Two spellings of a file that does not exist
// are the same only when they are equal.
bool NameSameFile(const std::string& first, const std::string& second);

} // namespace k7r::platform
