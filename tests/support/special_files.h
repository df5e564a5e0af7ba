#pragma once

#include "platform/system_error.h"

#include <string>
#include <vector>

namespace k7r::test {

// Names of things that are not files, for the tests of their refusal: a
// directory, a FIFO, a device and a socket, each under a name with an
// accepted extension so that it gets past that check. They lie in a fresh
// directory of their own under /tmp (a socket's name must be short) and go
// with the object. POSIX only.
class SpecialFiles {
  public:
    struct Entry {
        std::string path;
        platform::Refusal refusal;
    };

    SpecialFiles();
    ~SpecialFiles();
    SpecialFiles(const SpecialFiles&) = delete;
    SpecialFiles& operator=(const SpecialFiles&) = delete;

    const std::vector<Entry>& entries() const { return entries_; }

  private:
    std::string directory_;
    std::vector<Entry> entries_;
};

} // namespace k7r::test
