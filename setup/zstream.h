// Inflating read stream over zlib, reading compressed bytes from another stream in 64 KB pieces.
#pragma once

#include <zlib.h>

#include <array>
#include <cstdint>

#include "setup/tstream.h"

namespace setup {

// Holds the compressed source, where in it the next bytes are read, zlib's state and the input
// buffer.
class TCustomZStream : public TStream {
  public:
    static constexpr int32_t kInputBufferSize = 65536;

  protected:
    explicit TCustomZStream(TStream& source);

    TStream& Source;
    int64_t SourcePos;
    z_stream ZState{};
    std::array<Bytef, kInputBufferSize> InputBuffer{};
};

class TZDecompressionStream : public TCustomZStream {
  public:
    // Reads from the source's current position on; the caller may lower Limit afterwards.
    explicit TZDecompressionStream(TStream& source);
    ~TZDecompressionStream() override;

    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    // Returns the total of uncompressed bytes produced so far.
    int64_t Seek(int64_t offset, uint16_t origin) override;

    // True once zlib reported the end of the compressed stream (its checksum verified).
    bool Finished() const { return state_ == State::Finished; }
    // True once zlib refused the data; every later Read returns 0.
    bool Failed() const { return state_ == State::Failed; }

    int32_t Limit = 2147483647;
    int32_t Consumed = 0;

  private:
    enum class State { Inflating, Finished, Failed };
    static constexpr int32_t kDiscardPiece = 4096;

    void Discard(int64_t count);

    State state_ = State::Inflating;
};

}  // namespace setup
