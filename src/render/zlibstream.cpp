// Two-part zlib streams.
#include "render/zlibstream.h"

#include "render/corethread.h"

#include <libdeflate.h>
#include <zlib.h>

#include <cstring>
#include <new>
#include <optional>
#include <thread>

namespace brisalta {
namespace {

// Below this the second thread costs more than it saves.
constexpr std::size_t kSplitFrom = 1024 * 1024;

struct FreeCompressor {
    void operator()(libdeflate_compressor* compressor) const { libdeflate_free_compressor(compressor); }
};

std::unique_ptr<std::uint8_t[]> buffer(std::size_t size) {
    return std::unique_ptr<std::uint8_t[]>(new (std::nothrow) std::uint8_t[size]);
}

// Raw deflate blocks of the data at zlib's fastest level: the last one final
// when `final`, else flushed to a byte boundary so that more blocks can
// follow. Nothing on failure.
ZlibStream deflateBlocks(const std::uint8_t* data, std::size_t size, bool final) {
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
        const int done = deflate(&z, final ? Z_FINISH : Z_SYNC_FLUSH);
        if ((final ? done == Z_STREAM_END : done == Z_OK && z.avail_out > 0) && z.avail_in == 0) {
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

// Puts together the header, the open blocks of the first piece, the final
// blocks of the second and the check sum of both.
ZlibStream joined(const ZlibStream& first, std::uint32_t firstSum, const ZlibStream& second,
                  std::uint32_t secondSum, std::size_t secondSize) {
    ZlibStream stream;
    const std::size_t size = 2 + first.size + second.size + 4;
    stream.bytes = buffer(size);
    if (!stream.bytes) {
        return stream;
    }
    std::uint8_t* out = stream.bytes.get();
    // Deflate with a 32 KB window, fastest level; the two bytes are a multiple of 31.
    out[0] = 0x78;
    out[1] = 0x01;
    std::memcpy(out + 2, first.bytes.get(), first.size);
    std::memcpy(out + 2 + first.size, second.bytes.get(), second.size);
    const auto sum =
        static_cast<std::uint32_t>(adler32_combine(firstSum, secondSum, static_cast<z_off_t>(secondSize)));
    putBigEndian(out + 2 + first.size + second.size, sum);
    stream.size = size;
    return stream;
}

} // namespace

ZlibStream zlibStream(const PieceMaker& makeFirst, const PieceMaker& makeSecond) {
    struct Part {
        ZlibStream blocks;
        std::uint32_t sum = 1;
        std::size_t size = 0;
    };
    const auto compress = [](const PieceMaker& make, bool final) {
        const std::span<const std::uint8_t> piece = make();
        return Part{deflateBlocks(piece.data(), piece.size(), final),
                    libdeflate_adler32(1, piece.data(), piece.size()), piece.size()};
    };
    Part first;
    std::optional<CoreThread> firstThread;
    if (std::thread::hardware_concurrency() >= 2) {
        firstThread.emplace([&] { first = compress(makeFirst, false); });
    }
    if (!firstThread || !firstThread->started()) {
        first = compress(makeFirst, false);
    }
    const Part second = compress(makeSecond, true);
    if (firstThread) {
        firstThread->join();
    }
    // An empty piece still gives a block, so a size of 0 means a failure.
    if (first.blocks.size == 0 || second.blocks.size == 0) {
        return {};
    }
    return joined(first.blocks, first.sum, second.blocks, second.sum, second.size);
}

ZlibStream zlibStream(const std::uint8_t* data, std::size_t size) {
    if (size < kSplitFrom || std::thread::hardware_concurrency() < 2) {
        const std::unique_ptr<libdeflate_compressor, FreeCompressor> compressor(libdeflate_alloc_compressor(1));
        return compressor ? onePart(compressor.get(), data, size) : ZlibStream{};
    }
    const std::size_t firstSize = size / 2;
    return zlibStream([=] { return std::span<const std::uint8_t>(data, firstSize); },
                      [=] { return std::span<const std::uint8_t>(data + firstSize, size - firstSize); });
}

} // namespace brisalta
