// The zlib stream of a PNG's image data, compressed on two cores at once.
// The stream is made of two parts, each compressed by zlib at its fastest
// level on its own thread: the first rows stop on a byte boundary without
// ending the stream, the rest end it, and the check sum of the whole is put
// together from the check sums of the parts (libdeflate's, the fastest).
// Any zlib reader sees one ordinary stream.
//
// zlib and not libdeflate for the parts: the pictures are mostly long runs of
// white, which zlib's fastest level steps over a whole match at a time while
// libdeflate hashes every byte of it. libdeflate runs fewer instructions but
// on the AMD machines measured took 1.6 times as long (on an Intel Xeon it
// was the faster one); zlib on both halves is the steadier choice, at files
// about a fifth larger (graph 105 KB, sounding 193 KB at 1859 x 1052).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

namespace brisalta {

struct ZlibStream {
    std::unique_ptr<std::uint8_t[]> bytes;
    std::size_t size = 0; // 0: the data could not be compressed (out of memory)
};

// The stream of `size` bytes of data at the fastest level, in two halves.
// Small data, or a machine with one core, go in one part (libdeflate).
ZlibStream zlibStream(const std::uint8_t* data, std::size_t size);

// Makes a piece of the data ready (packs rows of a picture, say) and returns it.
using PieceMaker = std::function<std::span<const std::uint8_t>()>;

// The stream of the piece `first` makes followed by the piece `second` makes,
// each made and compressed on its own thread (on one thread, one after the
// other, on a machine with one core). The pieces need not be adjacent.
ZlibStream zlibStream(const PieceMaker& first, const PieceMaker& second);

} // namespace brisalta
