#pragma once

#include <functional>
#include <string>

namespace k7r::test {

// A golden transcript replayed: its "# " lines (comments) are kept, each
// "$ " line is kept and followed by what `run` gives for the text after
// "$ ", and the recorded answers are dropped. The result equals the
// transcript when every answer is still what it was.
std::string ReplayTranscript(const std::string& transcript,
                             const std::function<std::string(const std::string&)>& run);

// The golden file at PATH replayed and compared byte for byte; on a
// difference what was replayed is left as replayed.txt in the test's
// scratch directory.
void ExpectTranscriptHolds(const std::string& path,
                           const std::function<std::string(const std::string&)>& run);

} // namespace k7r::test
