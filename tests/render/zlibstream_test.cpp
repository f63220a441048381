// The two-part zlib stream: whatever the data and its size, any zlib reader
// gets the data back, check sum included.
#include "render/zlibstream.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace brisalta {
namespace {

// Rows of a picture: white runs broken by coloured pixels, and a noisy band.
std::vector<std::uint8_t> pictureLike(std::size_t size) {
    std::vector<std::uint8_t> data(size, 0xFF);
    std::uint32_t seed = 12345;
    for (std::size_t i = 0; i < size; ++i) {
        if (i % 5581 == 0) {
            data[i] = 0; // a filter byte
        } else if (i % 997 < 40 || (i > size / 3 && i < size / 3 + 20000)) {
            seed = seed * 1103515245u + 12345u;
            data[i] = static_cast<std::uint8_t>(seed >> 16);
        }
    }
    return data;
}

std::vector<std::uint8_t> inflateAll(const ZlibStream& stream, std::size_t expected) {
    std::vector<std::uint8_t> out(expected + 1);
    uLongf length = static_cast<uLongf>(out.size());
    const int result = uncompress(out.data(), &length, stream.bytes.get(), static_cast<uLong>(stream.size));
    EXPECT_EQ(result, Z_OK);
    out.resize(length);
    return out;
}

// Purpose: one part (small data) and two parts (a picture's worth) both give
// a valid stream holding exactly the data.
TEST(ZlibStream, EverySizeComesBackWhole) {
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{5581}, std::size_t{1024 * 1024 - 1},
                                   std::size_t{1024 * 1024}, std::size_t{1052 * 5578}}) {
        const std::vector<std::uint8_t> data = pictureLike(size);
        const ZlibStream stream = zlibStream(data.data(), data.size());
        ASSERT_GT(stream.size, 0u) << size;
        EXPECT_EQ(stream.bytes[0] & 0x0F, 8) << "deflate, size " << size;
        EXPECT_EQ((stream.bytes[0] * 256 + stream.bytes[1]) % 31, 0) << size;
        EXPECT_EQ(inflateAll(stream, size), data) << size;
    }
}

// Purpose: the two pieces of a picture join in order wherever it is cut, an
// empty piece included.
TEST(ZlibStream, TwoPiecesJoinInOrderWhereverTheCut) {
    const std::vector<std::uint8_t> data = pictureLike(2 * 1024 * 1024 + 7);
    for (const std::size_t cut : {std::size_t{0}, std::size_t{1}, std::size_t{5581}, data.size() / 2,
                                  data.size() - 1, data.size()}) {
        const ZlibStream stream =
            zlibStream([&] { return std::span<const std::uint8_t>(data.data(), cut); },
                       [&] { return std::span<const std::uint8_t>(data.data() + cut, data.size() - cut); });
        ASSERT_GT(stream.size, 0u) << cut;
        EXPECT_EQ(inflateAll(stream, data.size()), data) << cut;
    }
}

// Purpose: a damaged check sum is noticed, so the readers really check the one written.
TEST(ZlibStream, TheCheckSumCoversTheWholeData) {
    const std::vector<std::uint8_t> data = pictureLike(3 * 1024 * 1024);
    ZlibStream stream = zlibStream(data.data(), data.size());
    ASSERT_GT(stream.size, 4u);
    stream.bytes[stream.size - 1] ^= 1;
    std::vector<std::uint8_t> out(data.size());
    uLongf length = static_cast<uLongf>(out.size());
    EXPECT_EQ(uncompress(out.data(), &length, stream.bytes.get(), static_cast<uLong>(stream.size)), Z_DATA_ERROR);
}

// Purpose: a white page shrinks to almost nothing.
TEST(ZlibStream, AWhitePageCompresses) {
    const std::vector<std::uint8_t> white(1052 * 5578, 0xFF);
    const ZlibStream stream = zlibStream(white.data(), white.size());
    EXPECT_LT(stream.size, white.size() / 200);
}

} // namespace
} // namespace brisalta
