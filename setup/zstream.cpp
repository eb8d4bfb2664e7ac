// The inflating read stream: one zlib inflate step at a time into the caller's buffer.
#include "setup/zstream.h"

#include <algorithm>
#include <vector>

namespace setup {

TCustomZStream::TCustomZStream(TStream& source) : Source(source), SourcePos(source.Position()) {}

TZDecompressionStream::TZDecompressionStream(TStream& source) : TCustomZStream(source) {
    if (inflateInit2(&ZState, MAX_WBITS) != Z_OK) {
        state_ = State::Failed;
    }
}

TZDecompressionStream::~TZDecompressionStream() { inflateEnd(&ZState); }

int32_t TZDecompressionStream::Read(void* buffer, int32_t count) {
    if (count <= 0 || state_ != State::Inflating) {
        return 0;
    }
    ZState.next_out = static_cast<Bytef*>(buffer);
    ZState.avail_out = static_cast<uInt>(count);
    if (Source.Position() != SourcePos) {
        Source.SetPosition(SourcePos);
    }
    while (ZState.avail_out > 0) {
        if (ZState.avail_in == 0) {
            const int32_t room = std::min(kInputBufferSize, std::max(Limit - Consumed, 0));
            const int32_t got = room > 0 ? Source.Read(InputBuffer.data(), room) : 0;
            if (got <= 0) {
                return count - static_cast<int32_t>(ZState.avail_out);
            }
            Consumed += got;
            ZState.next_in = InputBuffer.data();
            ZState.avail_in = static_cast<uInt>(got);
            SourcePos = Source.Position();
        }
        const uInt inBefore = ZState.avail_in;
        const uInt outBefore = ZState.avail_out;
        const int rc = inflate(&ZState, Z_NO_FLUSH);
        if (rc == Z_STREAM_END) {
            // Bytes after the end belong to nothing: stop here so they are never taken for data.
            state_ = State::Finished;
            break;
        }
        const bool stalled = ZState.avail_in == inBefore && ZState.avail_out == outBefore;
        if ((rc != Z_OK && rc != Z_BUF_ERROR) || stalled) {
            // Damaged data: end the read instead of spinning; the caller sees Failed().
            state_ = State::Failed;
            break;
        }
    }
    return count - static_cast<int32_t>(ZState.avail_out);
}

int32_t TZDecompressionStream::Write(const void*, int32_t) { return 0; }

void TZDecompressionStream::Discard(int64_t count) {
    std::vector<uint8_t> scrap(kDiscardPiece);
    while (count > 0) {
        const int32_t piece = static_cast<int32_t>(std::min<int64_t>(count, kDiscardPiece));
        const int32_t got = Read(scrap.data(), piece);
        if (got <= 0) {
            break;
        }
        count -= got;
    }
}

int64_t TZDecompressionStream::Seek(int64_t offset, uint16_t origin) {
    const int64_t produced = static_cast<int64_t>(ZState.total_out);
    if (offset == 0 && origin == soFromBeginning) {
        state_ = inflateReset(&ZState) == Z_OK ? State::Inflating : State::Failed;
        ZState.avail_in = 0;
        Source.SetPosition(0);
        SourcePos = 0;
    } else if (origin == soFromCurrent && offset >= 0) {
        Discard(offset);
    } else if (origin == soFromBeginning && offset > produced) {
        Discard(offset - produced);
    }
    return static_cast<int64_t>(ZState.total_out);
}

}  // namespace setup
