// The reads a streamed body is cut into: what every page reader sees.
#include "adapters/linechunker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brisalta {
namespace {

std::vector<std::string> readsOf(const std::string& body, std::size_t pieceSize) {
    std::vector<std::string> reads;
    LineChunker chunker([&](std::string_view read) {
        reads.emplace_back(read);
        return true;
    });
    for (std::size_t at = 0; at < body.size(); at += pieceSize) {
        chunker.feed(std::string_view(body).substr(at, pieceSize));
    }
    chunker.finish();
    return reads;
}

std::string xs(std::size_t n) {
    return std::string(n, 'x');
}

// A read ends after a line feed (kept) or after 1022 bytes, however the
// network happened to cut the body.
TEST(LineChunker, CutsReadsAtLineFeedsAnd1022Bytes) {
    struct Case {
        const char* what;
        std::string body;
        std::vector<std::string> reads;
    };
    const Case cases[] = {
        {"lines", "a\nbb\n", {"a\n", "bb\n"}},
        {"last line without line feed", "abc\nde", {"abc\n", "de"}},
        {"empty body", "", {}},
        {"empty lines", "\n\n", {"\n", "\n"}},
        {"carriage return kept", "a\r\nb", {"a\r\n", "b"}},
        {"zero byte kept", std::string("a\0b\n", 4), {std::string("a\0b\n", 4)}},
        {"1021 bytes and line feed in one read", xs(1021) + "\n", {xs(1021) + "\n"}},
        {"1022 bytes, line feed on its own", xs(1022) + "\n", {xs(1022), "\n"}},
        {"long line in three reads",
         xs(2500) + "\nfin\n",
         {xs(1022), xs(1022), xs(456) + "\n", "fin\n"}},
    };
    for (const Case& c : cases) {
        for (const std::size_t piece :
             {std::size_t{1}, std::size_t{7}, std::size_t{1000}, std::size_t{65536}}) {
            EXPECT_EQ(readsOf(c.body, piece), c.reads) << c.what << ", pieces of " << piece;
        }
    }
}

TEST(LineChunker, StopsWhenTheSinkSaysSo) {
    std::vector<std::string> reads;
    LineChunker chunker([&](std::string_view read) {
        reads.emplace_back(read);
        return reads.size() < 2;
    });
    EXPECT_FALSE(chunker.feed("uno\ndos\ntres\n"));
    EXPECT_FALSE(chunker.feed("cuatro\n"));
    EXPECT_FALSE(chunker.finish());
    EXPECT_TRUE(chunker.stopped());
    EXPECT_EQ(reads, (std::vector<std::string>{"uno\n", "dos\n"}));
}

TEST(LineChunker, BodyWithoutLineFeedsStaysBoundedAndWhole) {
    std::string body;
    for (int i = 0; i < 300000; ++i) {
        body.push_back(static_cast<char>(i * 7 % 256 == '\n' ? 'n' : i * 7 % 256));
    }
    const auto reads = readsOf(body, 4093);
    std::string joined;
    for (const std::string& r : reads) {
        EXPECT_LE(r.size(), LineChunker::kMaxRead);
        joined += r;
    }
    EXPECT_EQ(joined, body);
}

} // namespace
} // namespace brisalta
