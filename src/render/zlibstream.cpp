// Two-part zlib streams.
#include "render/zlibstream.h"

#include <libdeflate.h>
#include <zlib.h>

#include <cstring>
#include <new>
#include <thread>

namespace brisalta {
namespace {

// Below this the second thread costs more than it saves.
constexpr std::size_t kSplitFrom = 1024 * 1024;
// zlib needs about twice libdeflate's instructions per byte at level 1, so it
// takes the smaller share and both parts end at about the same time.
constexpr std::size_t kZlibShareOf8 = 3;

struct FreeCompressor {
    void operator()(libdeflate_compressor* compressor) const { libdeflate_free_compressor(compressor); }
};

std::unique_ptr<std::uint8_t[]> buffer(std::size_t size) {
    return std::unique_ptr<std::uint8_t[]>(new (std::nothrow) std::uint8_t[size]);
}

// Raw deflate blocks of the data, flushed to a byte boundary but not final,
// so that more blocks can follow. Nothing on failure.
ZlibStream openBlocks(const std::uint8_t* data, std::size_t size) {
    ZlibStream part;
    z_stream z{};
    if (deflateInit2(&z, Z_BEST_SPEED, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        return part;
    }
    // Room for the bound plus the flush marker.
    const std::size_t room = deflateBound(&z, static_cast<uLong>(size)) + 16;
    part.bytes = buffer(room);
    if (part.bytes) {
        z.next_in = const_cast<Bytef*>(data);
        z.avail_in = static_cast<uInt>(size);
        z.next_out = part.bytes.get();
        z.avail_out = static_cast<uInt>(room);
        if (deflate(&z, Z_SYNC_FLUSH) == Z_OK && z.avail_in == 0 && z.avail_out > 0) {
            part.size = z.total_out;
        }
    }
    deflateEnd(&z);
    return part;
}

void putBigEndian(std::uint8_t* out, std::uint32_t value) {
    out[0] = static_cast<std::uint8_t>(value >> 24);
    out[1] = static_cast<std::uint8_t>(value >> 16);
    out[2] = static_cast<std::uint8_t>(value >> 8);
    out[3] = static_cast<std::uint8_t>(value);
}

ZlibStream onePart(libdeflate_compressor* compressor, const std::uint8_t* data, std::size_t size) {
    ZlibStream stream;
    const std::size_t bound = libdeflate_zlib_compress_bound(compressor, size);
    stream.bytes = buffer(bound);
    if (stream.bytes) {
        stream.size = libdeflate_zlib_compress(compressor, data, size, stream.bytes.get(), bound);
    }
    return stream;
}

} // namespace

ZlibStream zlibStream(const std::uint8_t* data, std::size_t size) {
    const std::unique_ptr<libdeflate_compressor, FreeCompressor> compressor(libdeflate_alloc_compressor(1));
    if (!compressor) {
        return {};
    }
    if (size < kSplitFrom || std::thread::hardware_concurrency() < 2) {
        return onePart(compressor.get(), data, size);
    }
    const std::size_t firstSize = size / 8 * kZlibShareOf8;
    const std::uint8_t* second = data + firstSize;
    const std::size_t secondSize = size - firstSize;

    ZlibStream first;
    std::uint32_t firstSum = 1;
    std::thread zlibPart([&] {
        first = openBlocks(data, firstSize);
        firstSum = libdeflate_adler32(1, data, firstSize);
    });
    const std::size_t bound = libdeflate_deflate_compress_bound(compressor.get(), secondSize);
    std::unique_ptr<std::uint8_t[]> last = buffer(bound);
    const std::size_t lastSize =
        last ? libdeflate_deflate_compress(compressor.get(), second, secondSize, last.get(), bound) : 0;
    const std::uint32_t secondSum = libdeflate_adler32(1, second, secondSize);
    zlibPart.join();
    if (first.size == 0 || lastSize == 0) {
        return onePart(compressor.get(), data, size);
    }

    // Header (deflate, 32 KB window, fastest), the two parts, the check sum.
    ZlibStream stream;
    stream.size = 2 + first.size + lastSize + 4;
    stream.bytes = buffer(stream.size);
    if (!stream.bytes) {
        return {};
    }
    std::uint8_t* out = stream.bytes.get();
    out[0] = 0x78;
    out[1] = 0x01;
    std::memcpy(out + 2, first.bytes.get(), first.size);
    std::memcpy(out + 2 + first.size, last.get(), lastSize);
    const auto sum = static_cast<std::uint32_t>(
        adler32_combine(firstSum, secondSum, static_cast<z_off_t>(secondSize)));
    putBigEndian(out + 2 + first.size + lastSize, sum);
    return stream;
}

} // namespace brisalta
