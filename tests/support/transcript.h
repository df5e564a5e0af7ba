#pragma once

#include <functional>
#include <string>

namespace k7r::test {

// The golden transcript at PATH replayed and compared byte for byte: its
// "# " lines (comments) are kept, each "$ " line is kept and followed by
// what `run` gives for the text after "$ ", and the recorded answers are
// dropped. On a difference what was replayed is left as replayed.txt in the
// test's scratch directory.
void ExpectTranscriptHolds(const std::string& path,
                           const std::function<std::string(const std::string&)>& run);

} // namespace k7r::test
