// The zlib stream of a PNG's image data, compressed on two cores at once.
// libdeflate is the fastest compressor but can only end its output, so the
// stream is made of two parts: the first rows through zlib, which can stop
// on a byte boundary without ending the stream, while libdeflate compresses
// the rest and ends it; the check sum of the whole is put together from the
// check sums of the parts. Any zlib reader sees one ordinary stream.
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

// The stream of `size` bytes of data, at the fastest level of both
// compressors. Small data, or a machine with one core, go in one part.
ZlibStream zlibStream(const std::uint8_t* data, std::size_t size);

// Makes a piece of the data ready (packs rows of a picture, say) and returns it.
using PieceMaker = std::function<std::span<const std::uint8_t>()>;

// The stream of the piece `first` makes followed by the piece `second` makes,
// each made and compressed on its own thread (on one thread, one after the
// other, on a machine with one core). The pieces need not be adjacent.
ZlibStream zlibStream(const PieceMaker& first, const PieceMaker& second);

} // namespace brisalta
