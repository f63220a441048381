// The stream reader stands in for fgets/fscanf/fgetc on a file; the page,
// sounding and forecast parsers are defined in terms of those reads, so their
// corner cases are pinned here.
#include "text/streamreader.h"

#include "support/testplaces.h"

#include <gtest/gtest.h>

#include <clocale>

namespace brisalta::text {
namespace {

// Purpose: fgets semantics: at most size-1 bytes, line feed kept, long lines
// arrive in pieces, end of file reported only when nothing is left.
TEST(StreamReader, ReadLineHonoursTheBufferSize) {
    StreamReader reader(std::string("short\n") + std::string(300, 'x') + "\nlast");
    std::string line;
    ASSERT_TRUE(reader.readLine(line, 256));
    EXPECT_EQ(line, "short\n");
    ASSERT_TRUE(reader.readLine(line, 256));
    EXPECT_EQ(line, std::string(255, 'x'));
    ASSERT_TRUE(reader.readLine(line, 256));
    EXPECT_EQ(line, std::string(45, 'x') + "\n");
    ASSERT_TRUE(reader.readLine(line, 256));
    EXPECT_EQ(line, "last");
    EXPECT_FALSE(reader.readLine(line, 256));
    EXPECT_TRUE(line.empty());
}

// Purpose: "%f" and "%d": blanks are skipped, a failed conversion consumes
// nothing else and leaves the value alone, the end of input is told apart.
TEST(StreamReader, NumberConversionsFollowScanf) {
    struct Case {
        const char* input;
        ScanResult result;
        float value;          // value after the read (starts at -1)
        std::size_t position; // read position afterwards
    };
    const Case cases[] = {
        {"  12.5 rest", ScanResult::Converted, 12.5f, 6},
        {"1000.0\n", ScanResult::Converted, 1000.0f, 6},
        {"-7", ScanResult::Converted, -7.0f, 2},
        {"+3e2x", ScanResult::Converted, 300.0f, 4},
        {".5", ScanResult::Converted, 0.5f, 2},
        {"</PRE>", ScanResult::Failed, -1.0f, 0},
        {"   abc", ScanResult::Failed, -1.0f, 3},
        {"\n\n", ScanResult::EndOfInput, -1.0f, 2},
        {"", ScanResult::EndOfInput, -1.0f, 0},
        {"-", ScanResult::Failed, -1.0f, 0},
    };
    for (const Case& c : cases) {
        StreamReader reader(c.input);
        float value = -1.0f;
        EXPECT_EQ(reader.readFloat(value), c.result) << c.input;
        EXPECT_FLOAT_EQ(value, c.value) << c.input;
        EXPECT_EQ(reader.tell(), c.position) << c.input;
    }
}

TEST(StreamReader, IntegerConversionStopsAtTheFirstNonDigit) {
    StreamReader reader("(17) 12.5 x");
    int value = 99;
    EXPECT_EQ(reader.readInt(value), ScanResult::Failed);
    EXPECT_EQ(value, 99);
    EXPECT_EQ(reader.getChar(), '(');
    EXPECT_EQ(reader.readInt(value), ScanResult::Converted);
    EXPECT_EQ(value, 17);
    EXPECT_EQ(reader.getChar(), ')');
    EXPECT_EQ(reader.readInt(value), ScanResult::Converted);
    EXPECT_EQ(value, 12);
    float rest = 0;
    EXPECT_EQ(reader.readFloat(rest), ScanResult::Converted);
    EXPECT_FLOAT_EQ(rest, 0.5f);
    EXPECT_EQ(reader.readInt(value), ScanResult::Failed);
    EXPECT_EQ(reader.getChar(), 'x');
    EXPECT_EQ(reader.readInt(value), ScanResult::EndOfInput);
    EXPECT_EQ(reader.getChar(), StreamReader::kEof);
}

// Purpose: a line feed is seen by getChar only when it directly follows the
// number; blanks before the next number are eaten by the conversion.
TEST(StreamReader, LineEndIsSeenOnlyRightAfterANumber) {
    StreamReader reader("1.0 2.0\n3.0 \n4.0");
    float v = 0;
    std::string seen;
    while (reader.readFloat(v) != ScanResult::EndOfInput) {
        const int c = reader.getChar();
        seen += c == '\n' ? 'N' : (c == ' ' ? '_' : (c == StreamReader::kEof ? 'E' : '?'));
    }
    EXPECT_EQ(seen, "_N_E");
}

TEST(StreamReader, WordsAreBoundedAndSeparatedByBlanks) {
    StreamReader reader("  KMWC 051645Z\n24010G18KT ");
    std::string word;
    ASSERT_TRUE(reader.readWord(word, 99));
    EXPECT_EQ(word, "KMWC");
    ASSERT_TRUE(reader.readWord(word, 4));
    EXPECT_EQ(word, "0516");
    ASSERT_TRUE(reader.readWord(word, 99));
    EXPECT_EQ(word, "45Z");
    ASSERT_TRUE(reader.readWord(word, 99));
    EXPECT_EQ(word, "24010G18KT");
    EXPECT_FALSE(reader.readWord(word, 99));
}

TEST(StreamReader, TextModeReadsCrLfAsOneLineFeed) {
    StreamReader text("a\r\nb\rc\r\n", StreamReader::Mode::Text);
    EXPECT_EQ(text.bytes(), "a\nb\rc\n");
    StreamReader binary("a\r\nb", StreamReader::Mode::Binary);
    EXPECT_EQ(binary.size(), 4u);
}

TEST(StreamReader, SeekTellAndSkipLinesStayInsideTheData) {
    StreamReader reader("l1\nl2\nl3\n");
    EXPECT_EQ(reader.skipLines(2), 2u);
    EXPECT_EQ(reader.tell(), 6u);
    EXPECT_EQ(reader.skipLines(10), 1u);
    EXPECT_TRUE(reader.atEnd());
    reader.seek(1000);
    EXPECT_EQ(reader.tell(), reader.size());
    reader.seek(3);
    EXPECT_EQ(reader.getChar(), 'l');
    EXPECT_EQ(reader.count('\n'), 3u);
}

TEST(StreamReader, NumbersIgnoreTheProcessLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "es_ES.UTF-8")) {
        GTEST_SKIP() << "es_ES.UTF-8 locale not installed";
    }
    StreamReader reader("1013.4 12,5");
    float v = 0;
    EXPECT_EQ(reader.readFloat(v), ScanResult::Converted);
    EXPECT_FLOAT_EQ(v, 1013.4f);
    EXPECT_EQ(reader.readFloat(v), ScanResult::Converted);
    EXPECT_FLOAT_EQ(v, 12.0f);
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(StreamReader, OpenReportsAMissingFile) {
    EXPECT_FALSE(StreamReader::open("/nonexistent/brisalta/file").has_value());
    test::ScratchPlaces places;
    test::writeFile(places.tempFolder() / "f.txt", "x\r\ny");
    auto reader = StreamReader::open(places.tempFolder() / "f.txt", StreamReader::Mode::Text);
    ASSERT_TRUE(reader.has_value());
    EXPECT_EQ(reader->bytes(), "x\ny");
}

} // namespace
} // namespace brisalta::text
