// The key matcher of the automatic-station files: the caller feeds every byte it
// reads, one at a time, and learns when one of a few fixed keys has just been
// completed; it then reads the value after the key by itself. It is not a JSON
// parser: keys are matched as raw, case-sensitive byte runs.
#pragma once

#include "text/streamreader.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace brisalta {

// Called when a key is completed, with the parser's file (null when it is not
// open, which is always the case in this program).
using TokenCallback = void (*)(text::StreamReader* file);

// One registered key.
class CToken {
public:
    CToken(int id, std::string text, TokenCallback callback);
    virtual ~CToken();

    int id;                 // non-zero, unique within the parser
    std::string text;       // the key's bytes
    int matchPos = 0;       // leading bytes of text matched so far, 0 <= matchPos < text.size()
    TokenCallback callback; // null in this program
};

class CParser {
public:
    CParser() = default;
    virtual ~CParser();
    CParser(const CParser&) = delete;
    CParser& operator=(const CParser&) = delete;

    // Registers a key. Refused (false) for id 0, an empty text, an id already
    // taken, or a text that contains an existing key or is contained in one;
    // the last two refusals write their reason to the debug trace.
    bool Add(int id, const std::string& keyText, TokenCallback callback);

    // Forgets every partial match.
    void ResetPositions();

    // Feeds one byte. Returns the id of the key this byte completes, or 0. When
    // a key completes, every partial match is dropped. A mismatching byte puts
    // a key back to its start without being compared with the key's first byte
    // again, so "aab" is not found in "aaab".
    int ProcessChar(char c);

    int tokenCount() const { return static_cast<int>(mTokens.size()); }
    const CToken& token(int index) const { return *mTokens.at(static_cast<std::size_t>(index)); }

private:
    std::vector<std::unique_ptr<CToken>> mTokens; // in order of registration
    // While no key is partly matched, only a key's first byte can change
    // anything: every other byte is passed over at once, which keeps a long
    // answer cheap to read.
    std::array<bool, 256> mFirstBytes{};
    bool mAnyPartial = false;
    std::optional<text::StreamReader> mFile;      // never opened here; handed to callbacks
};

} // namespace brisalta
