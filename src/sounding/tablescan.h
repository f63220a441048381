// The number reads the sounding readers are built on: "%f" conversions one
// after another over a text held in memory, the end-of-file flag as a C stream
// would raise it, and the counting pass that rebuilds table rows by counting
// the numbers found on each line.
#pragma once

#include "text/streamreader.h"

#include <cstdint>

namespace brisalta {

class ValueStream {
public:
    explicit ValueStream(text::StreamReader& reader) : mReader(reader) {}

    // One "%f" conversion: blanks are skipped; when no number follows, nothing
    // else is consumed and `value` keeps what it held.
    text::ScanResult scan(float& value);

    // Like scan(), but a failed conversion passes over the word that stopped
    // it, so that a loop of reads always moves on.
    text::ScanResult scanOrSkipWord(float& value);

    // scan() followed by one character, as the counting pass reads. Returns
    // the character (kEof at the end).
    int scanThenChar(float& value);

    int getChar();

    // True once a read has run into the end of the text (feof).
    bool endSeen() const { return mEndSeen; }

    void seek(std::size_t position) {
        mReader.seek(position);
        mEndSeen = false;
    }
    std::size_t tell() const { return mReader.tell(); }

private:
    text::StreamReader& mReader;
    bool mEndSeen = false;
};

// Outcome of a counting pass.
struct RowCount {
    std::int64_t rows = 0;   // 0 when the text ended before the table did
    std::int64_t skip = 0;   // values of a padded first row to pass over
    bool cutAtLevel = false; // the table was cut at a level rather than at a short line
};

// Decides, after each value, whether the table ends with the current row:
// `value` is the value just read (unchanged by a failed read), `total` the
// reads so far including this one, `line` the reads since the last line end.
using CutTest = bool (*)(float value, std::int64_t total, std::int64_t line);

// The counting pass from the reader's position to the end of the text: read a
// value, count it, read one character. A line end right after a number closes
// a line: more than `rowWidth` values mean a padded first row ran into the next
// one (skip = line − rowWidth); fewer than `rowWidth` end the table.
RowCount countTableRows(ValueStream& in, int rowWidth, CutTest cutsAfterRow);

} // namespace brisalta
