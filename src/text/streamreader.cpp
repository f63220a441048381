// In-memory stand-in for the C stream reads used by the page and file parsers.
#include "text/streamreader.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <locale.h>

namespace brisalta::text {
namespace {

locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

std::string withoutCarriageReturns(std::string bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            continue;
        }
        out.push_back(bytes[i]);
    }
    return out;
}

} // namespace

bool isScanBlank(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

StreamReader::StreamReader(std::string bytes, Mode mode)
    : mData(mode == Mode::Text ? withoutCarriageReturns(std::move(bytes)) : std::move(bytes)) {}

std::optional<StreamReader> StreamReader::open(const std::filesystem::path& path, Mode mode,
                                               std::size_t maxBytes) {
    BoundedFile file = readBoundedFile(path, maxBytes);
    if (!file.ok()) {
        return std::nullopt;
    }
    return StreamReader(std::move(file.bytes), mode);
}

void StreamReader::seek(std::size_t position) {
    mPos = position < mData.size() ? position : mData.size();
}

int StreamReader::getChar() {
    if (mPos >= mData.size()) {
        return kEof;
    }
    return static_cast<unsigned char>(mData[mPos++]);
}

int StreamReader::peekChar() const {
    if (mPos >= mData.size()) {
        return kEof;
    }
    return static_cast<unsigned char>(mData[mPos]);
}

bool StreamReader::readLine(std::string& line, std::size_t bufferSize) {
    line.clear();
    if (mPos >= mData.size() || bufferSize < 2) {
        return mPos < mData.size() && bufferSize == 1;
    }
    const std::size_t limit = bufferSize - 1;
    while (line.size() < limit && mPos < mData.size()) {
        const char c = mData[mPos++];
        line.push_back(c);
        if (c == '\n') {
            break;
        }
    }
    return true;
}

bool StreamReader::skipBlanks() {
    while (mPos < mData.size() && isScanBlank(static_cast<unsigned char>(mData[mPos]))) {
        ++mPos;
    }
    return mPos < mData.size();
}

bool StreamReader::readWord(std::string& word, std::size_t maxChars) {
    word.clear();
    if (!skipBlanks()) {
        return false;
    }
    while (word.size() < maxChars && mPos < mData.size() &&
           !isScanBlank(static_cast<unsigned char>(mData[mPos]))) {
        word.push_back(mData[mPos++]);
    }
    return true;
}

ScanResult StreamReader::readInt(int& value) {
    if (!skipBlanks()) {
        return ScanResult::EndOfInput;
    }
    std::size_t i = mPos;
    bool negative = false;
    if (mData[i] == '+' || mData[i] == '-') {
        negative = mData[i] == '-';
        ++i;
    }
    const std::size_t digitsStart = i;
    std::int64_t magnitude = 0;
    while (i < mData.size() && mData[i] >= '0' && mData[i] <= '9') {
        if (magnitude <= static_cast<std::int64_t>(INT_MAX) + 1) {
            magnitude = magnitude * 10 + (mData[i] - '0');
        }
        ++i;
    }
    if (i == digitsStart) {
        return ScanResult::Failed;
    }
    std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT_MAX) {
        signedValue = INT_MAX;
    } else if (signedValue < INT_MIN) {
        signedValue = INT_MIN;
    }
    value = static_cast<int>(signedValue);
    mPos = i;
    return ScanResult::Converted;
}

ScanResult StreamReader::readDouble(double& value) {
    if (!skipBlanks()) {
        return ScanResult::EndOfInput;
    }
    // mData is a std::string, so the bytes from mPos on are NUL-terminated and
    // strtod stops inside the buffer.
    const char* start = mData.c_str() + mPos;
    char* end = nullptr;
    const int savedErrno = errno;
    const double parsed = strtod_l(start, &end, cLocale());
    errno = savedErrno;
    if (end == start) {
        return ScanResult::Failed;
    }
    value = parsed;
    mPos += static_cast<std::size_t>(end - start);
    return ScanResult::Converted;
}

ScanResult StreamReader::readFloat(float& value) {
    if (!skipBlanks()) {
        return ScanResult::EndOfInput;
    }
    const char* start = mData.c_str() + mPos;
    char* end = nullptr;
    const int savedErrno = errno;
    const float parsed = strtof_l(start, &end, cLocale());
    errno = savedErrno;
    if (end == start) {
        return ScanResult::Failed;
    }
    value = parsed;
    mPos += static_cast<std::size_t>(end - start);
    return ScanResult::Converted;
}

std::size_t StreamReader::skipLines(std::size_t count) {
    std::size_t skipped = 0;
    while (skipped < count && mPos < mData.size()) {
        if (mData[mPos++] == '\n') {
            ++skipped;
        }
    }
    return skipped;
}

std::size_t StreamReader::count(char byte) const {
    std::size_t n = 0;
    for (char c : mData) {
        if (c == byte) {
            ++n;
        }
    }
    return n;
}

} // namespace brisalta::text
