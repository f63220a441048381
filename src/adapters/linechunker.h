// Cuts an HTTP body, however it arrives, into the reads the page readers were
// written for: a line with its line feed, or 1022 bytes of a longer line.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace brisalta {

class LineChunker {
public:
    // Returning false asks for no more reads.
    using Sink = std::function<bool(std::string_view read)>;

    // The longest read, line feed included: what fgets hands over with a
    // 1023-byte buffer. A line of 1021 bytes and its line feed arrive in one
    // read; one byte more and the line feed arrives on its own.
    static constexpr std::size_t kMaxRead = 1022;

    explicit LineChunker(Sink sink);

    // Hands over every complete read the bytes finish. Returns false once the
    // sink has asked to stop; later bytes are then ignored.
    bool feed(std::string_view bytes);

    // End of the body: hands over the last read when it has no line feed.
    bool finish();

    bool stopped() const { return mStopped; }

private:
    void emit(std::string_view read);

    Sink mSink;
    std::string mPending; // start of a read whose end has not arrived; < kMaxRead bytes
    bool mStopped = false;
};

} // namespace brisalta
