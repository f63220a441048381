// The key matcher: where keys are found (and deliberately not found) in a byte
// stream, and which registrations it refuses with which trace.
#include "ema/cparser.h"

#include "text/debuglog.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace brisalta {
namespace {

using Keys = std::vector<std::pair<int, std::string>>;
using Hit = std::pair<std::size_t, int>; // byte position, key id

std::vector<Hit> hitsOf(const Keys& keys, const std::string& input) {
    CParser parser;
    for (const auto& [id, text] : keys) {
        EXPECT_TRUE(parser.Add(id, text, nullptr)) << text;
    }
    parser.ResetPositions();
    std::vector<Hit> hits;
    for (std::size_t i = 0; i < input.size(); ++i) {
        if (const int id = parser.ProcessChar(input[i])) {
            hits.emplace_back(i, id);
        }
    }
    return hits;
}

// Collects the debug trace while it lives.
class TraceCapture {
public:
    TraceCapture() {
        text::setDebugLogSink([this](std::string_view m) { trace += m; });
    }
    ~TraceCapture() { text::setDebugLogSink(nullptr); }
    std::string trace;
};

// Purpose: a key is reported on its last byte, wherever it stands, and a
// mismatch restarts it without a second look at the byte.
TEST(CParser, FindsKeysByteByByte) {
    struct Case {
        const char* name;
        Keys keys;
        std::string input;
        std::vector<Hit> expected;
    };
    const Case cases[] = {
        {"key alone", {{1, "aab"}}, "aab", {{2, 1}}},
        {"repeated prefix is missed", {{1, "aab"}}, "aaab", {}},
        {"found after the missed start", {{1, "aab"}}, "aaabaab", {{6, 1}}},
        {"inside a longer word", {{6, "exito"}}, "\"inexitoso\"", {{7, 6}}},
        {"twice in a row", {{6, "exito"}}, "exitoexito", {{4, 6}, {9, 6}}},
        {"case-sensitive", {{6, "exito"}}, "EXITO Exito", {}},
        {"partial match of the other key is lost", {{1, "abc"}, {2, "bcd"}}, "abcd", {{2, 1}}},
        {"both keys in turn",
         {{1, "ID = "}, {3, "PROVINCIA = "}},
         "ID = 1;PROVINCIA = x",
         {{4, 1}, {18, 3}}},
        {"empty parser", {}, "exito", {}},
        {"bytes above 127",
         {{2, "\xd1"
              "A"}},
         "ESPA\xd1"
         "A",
         {{5, 2}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hitsOf(c.keys, c.input), c.expected) << c.name;
    }
}

// Purpose: refused registrations leave the parser as it was and say why only
// in the debug trace; the existing keys are examined from the last one back.
TEST(CParser, RefusesKeysThatCouldNotBeToldApart) {
    const std::string occupied = "CParser::Add(...) error: tokenID '1' already occupied.\n";
    const auto overlap = [](const std::string& text) {
        return "CParser::Add(...) error: tokenAsStr \"" + text +
               "\" matches an existing token- substring or vice versa.\n";
    };
    struct Case {
        const char* name;
        int id;
        std::string text;
        std::string trace;
    };
    const Case cases[] = {
        {"id 0", 0, "nuevo", ""},
        {"empty text", 9, "", ""},
        {"id taken", 1, "nuevo", occupied},
        {"same text", 9, "abc", overlap("abc")},
        {"inside a key", 9, "bc", overlap("bc")},
        {"holding a key", 9, "xyzw", overlap("xyzw")},
        // Key 2 is examined before key 1, so the overlap is reported, not the id.
        {"last key examined first", 1, "xy", overlap("xy")},
    };
    for (const Case& c : cases) {
        TraceCapture capture;
        CParser parser;
        ASSERT_TRUE(parser.Add(1, "abc", nullptr));
        ASSERT_TRUE(parser.Add(2, "xyz", nullptr));
        EXPECT_FALSE(parser.Add(c.id, c.text, nullptr)) << c.name;
        EXPECT_EQ(capture.trace, c.trace) << c.name;
        EXPECT_EQ(parser.tokenCount(), 2) << c.name;
        parser.ResetPositions();
        int found = 0;
        for (char ch : std::string("xyz")) {
            found = parser.ProcessChar(ch);
        }
        EXPECT_EQ(found, 2) << c.name;
    }
}

int gCalls = 0;
const text::StreamReader* gFile = reinterpret_cast<const text::StreamReader*>(1);

TEST(CParser, CallsTheKeyCallbackWithTheUnopenedFile) {
    CParser parser;
    ASSERT_TRUE(parser.Add(4, "datos", [](text::StreamReader* file) {
        ++gCalls;
        gFile = file;
    }));
    parser.ResetPositions();
    int result = 0;
    for (char c : std::string("datos")) {
        result = parser.ProcessChar(c);
    }
    EXPECT_EQ(result, 4);
    EXPECT_EQ(gCalls, 1);
    EXPECT_EQ(gFile, nullptr);
}

} // namespace
} // namespace brisalta
