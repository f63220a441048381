// Line and 1022-byte reads of a streamed body.
#include "adapters/linechunker.h"

#include <algorithm>
#include <utility>

namespace brisalta {

LineChunker::LineChunker(Sink sink) : mSink(std::move(sink)) {
    mPending.reserve(kMaxRead);
}

bool LineChunker::feed(std::string_view bytes) {
    while (!bytes.empty() && !mStopped) {
        std::size_t take = std::min(kMaxRead - mPending.size(), bytes.size());
        const std::size_t lineFeed = bytes.substr(0, take).find('\n');
        bool complete = mPending.size() + take == kMaxRead;
        if (lineFeed != std::string_view::npos) {
            take = lineFeed + 1;
            complete = true;
        }
        if (mPending.empty() && complete) {
            emit(bytes.substr(0, take)); // the common case: no copy
        } else {
            mPending.append(bytes.substr(0, take));
            if (complete) {
                emit(mPending);
                mPending.clear();
            }
        }
        bytes.remove_prefix(take);
    }
    return !mStopped;
}

bool LineChunker::finish() {
    if (!mPending.empty() && !mStopped) {
        emit(mPending);
    }
    mPending.clear();
    return !mStopped;
}

void LineChunker::emit(std::string_view read) {
    if (!mSink(read)) {
        mStopped = true;
    }
}

} // namespace brisalta
