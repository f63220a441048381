// A reader over the bytes of a file that reproduces the C stream reads the
// program's parsers are defined with: fgets-style line reads with a byte limit,
// "%Ns" word reads, "%d" and "%f" conversions, single characters, tell and seek.
//
// The whole file is held in memory, so no read can run past the data: a read at
// the end of the input reports it instead. A conversion that fails consumes
// nothing after the blanks it skipped and leaves the target unchanged, exactly
// as fscanf does; numbers are read in the C locale whatever the process locale.
#pragma once

#include "text/boundedfile.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace brisalta::text {

enum class ScanResult {
    Converted,  // a value was read and stored
    Failed,     // the next byte cannot start a value; nothing consumed, value untouched
    EndOfInput, // only blanks (or nothing) were left
};

class StreamReader {
public:
    // Binary reads the bytes as they are. Text behaves like a file opened in
    // text mode on the platform the formats come from: every CR LF pair reads as
    // a single LF.
    enum class Mode { Binary, Text };

    static constexpr int kEof = -1;

    explicit StreamReader(std::string bytes, Mode mode = Mode::Binary);

    // Reads a whole file; nothing when it cannot be opened, is not a regular
    // file (a FIFO is refused at once) or is larger than maxBytes.
    static std::optional<StreamReader> open(const std::filesystem::path& path,
                                            Mode mode = Mode::Binary,
                                            std::size_t maxBytes = kDefaultFileLimit);

    std::size_t size() const { return mData.size(); }
    std::size_t tell() const { return mPos; }
    bool atEnd() const { return mPos >= mData.size(); }
    std::string_view bytes() const { return mData; }

    // Moves the read position; positions past the end are clamped to the end.
    void seek(std::size_t position);
    void rewind() { mPos = 0; }

    // The next byte as 0..255, or kEof.
    int getChar();
    int peekChar() const;

    // fgets(buffer, bufferSize): reads at most bufferSize - 1 bytes, stopping
    // after a line feed, which is kept. False when the input was already at its
    // end (the line is then left empty).
    bool readLine(std::string& line, std::size_t bufferSize);

    // fscanf("%<maxChars>s"): skips blanks, then reads up to maxChars non-blank
    // bytes. False at the end of the input.
    bool readWord(std::string& word, std::size_t maxChars);

    // fscanf("%d"), fscanf("%f") and fscanf("%lf").
    ScanResult readInt(int& value);
    ScanResult readFloat(float& value);
    ScanResult readDouble(double& value);

    // Skips whole lines (through their line feed). Returns how many line feeds
    // were passed; fewer than asked means the input ended.
    std::size_t skipLines(std::size_t count);

    // Number of occurrences of a byte in the whole input (the readers count line
    // feeds to bound their line loops).
    std::size_t count(char byte) const;

private:
    // Skips blanks as the conversions do; false when the input ends first.
    bool skipBlanks();

    std::string mData;
    std::size_t mPos = 0;
};

// True for the bytes fscanf treats as white space.
bool isScanBlank(int c);

} // namespace brisalta::text
