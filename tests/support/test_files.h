#pragma once

#include "config/hal_struct.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Real files for tests that exercise the file system, in a fresh directory
// per test case under the build tree (reachable from Wine as well).
namespace k7r::test {

using Bytes = std::vector<std::uint8_t>;

// Text as the bytes it is made of.
inline std::span<const std::uint8_t> BytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// An empty directory named after the running test case.
std::string ScratchDirectory();

Bytes ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const Bytes& bytes);
std::string ReadText(const std::string& path);
void WriteText(const std::string& path, std::string_view text);
bool FileExists(const std::string& path);
long EntriesIn(const std::string& directory);

// Bytes that differ from one piece or page of a file to the next.
Bytes Numbered(std::size_t size);

// A message sink for calls that must show nothing: a message fails the test.
void FailWith(const std::string& message);

// size bytes of filler with the record's bytes at each given offset.
Bytes ImageWithRecords(std::size_t size, const HAL_STRUCT& record,
                       const std::vector<std::size_t>& offsets);

// The messages a refused open or save of a file shows.
inline std::string OpenFailure(const std::string& path, const std::string& reason) {
    return "File \"" + path + "\" could not be opened because:\n\n" + reason;
}
inline std::string SaveFailure(const std::string& path, const std::string& reason) {
    return "File \"" + path + "\" could not be saved because:\n\n" + reason;
}

// One of the program images the test build makes (tests/images).
std::string TestImagePath(const std::string& name);

// Whether the test runs as a Windows program under Wine, which cannot keep
// a file's creation time on Linux file systems.
bool RunningUnderWine();

// Makes a file read-only so that opening it for writing really fails, also
// for root: on POSIX the immutable attribute stops root; on Windows a handle
// that denies writing stands in for the read-only attribute, which Wine
// running as root does not enforce. Undone by the guard's destruction, so
// the scratch directory can be removed.
class ReadOnlyFile {
  public:
    explicit ReadOnlyFile(std::string path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  private:
    void SetImmutable(bool on);
    std::string path_;
    std::intptr_t denyWrite_ = -1;
};

} // namespace k7r::test
