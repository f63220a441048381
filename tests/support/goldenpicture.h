// Golden files of pictures: a RecordingCanvas dump compared with the one kept
// in tests/data/golden/pictures/. To record them afresh after a change of a
// picture that was checked by eye, run the test program with
// BRISALTA_RECORD_PICTURES=1 in the environment.
#pragma once

#include <string>

namespace brisalta::test {

// Compares `dump` with tests/data/golden/pictures/<name>.txt (or writes it when
// recording). Returns an empty string when they agree, else what differs: the
// first differing line of each, and where the new dump was written.
std::string compareWithGoldenPicture(const std::string& name, const std::string& dump);

} // namespace brisalta::test
