// "%f" reads with a C stream's end-of-file flag, and the counting pass.
#include "sounding/tablescan.h"

namespace brisalta {

text::ScanResult ValueStream::scan(float& value) {
    const text::ScanResult r = mReader.readFloat(value);
    // A number that runs up to the end of the text makes the C library look
    // one byte further, which raises the end-of-file flag too.
    if (r == text::ScanResult::EndOfInput || mReader.atEnd()) {
        mEndSeen = true;
    }
    return r;
}

text::ScanResult ValueStream::scanOrSkipWord(float& value) {
    const text::ScanResult r = scan(value);
    if (r == text::ScanResult::Failed) {
        while (!mReader.atEnd() && !text::isScanBlank(mReader.peekChar())) {
            mReader.getChar();
        }
        if (mReader.atEnd()) {
            mEndSeen = true;
        }
    }
    return r;
}

int ValueStream::scanThenChar(float& value) {
    scan(value);
    return getChar();
}

int ValueStream::getChar() {
    const int c = mReader.getChar();
    if (c == text::StreamReader::kEof) {
        mEndSeen = true;
    }
    return c;
}

RowCount countTableRows(ValueStream& in, int rowWidth, CutTest cutsAfterRow) {
    RowCount result;
    std::int64_t total = 0;
    std::int64_t line = 0;
    float value = 0.0f;
    // Every turn consumes at least one byte or sees the end, so the loop is
    // bounded by the text.
    while (!in.endSeen()) {
        const int c = in.scanThenChar(value);
        ++total;
        ++line;
        if (c == '\n') {
            if (line > rowWidth) {
                result.skip = line - rowWidth;
            } else if (line < rowWidth) {
                result.rows = (total - result.skip) / rowWidth;
                return result;
            }
            line = 0;
        }
        if (cutsAfterRow(value, total, line)) {
            result.rows = (total - result.skip) / rowWidth + 1;
            result.cutAtLevel = true;
            return result;
        }
    }
    return result;
}

} // namespace brisalta
