// Answers of today's services for the tests: the recorded samples and our own.
#pragma once

#include "support/testplaces.h"

#include <string>

namespace brisalta::sources::test {

// A recorded answer under tests/data/samples/today/.
inline std::string sample(const std::string& relative) {
    return brisalta::test::readFile(brisalta::test::dataPath() / "samples" / "today" / relative);
}

// One of our own answers under tests/data/sources/.
inline std::string ownAnswer(const std::string& name) {
    return brisalta::test::readFile(brisalta::test::dataPath() / "sources" / name);
}

} // namespace brisalta::sources::test
