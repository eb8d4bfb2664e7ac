// The abstract byte stream that the archive reader reads from and writes to, and a memory stream.
#pragma once

#include <cstdint>
#include <vector>

namespace setup {

enum TSeekOrigin : uint16_t { soFromBeginning = 0, soFromCurrent = 1, soFromEnd = 2 };

class TStream {
  public:
    TStream() = default;
    TStream(const TStream&) = delete;
    TStream& operator=(const TStream&) = delete;
    virtual ~TStream() = default;

    // Returns the number of bytes read or written; 0 at the end or on failure.
    virtual int32_t Read(void* buffer, int32_t count) = 0;
    virtual int32_t Write(const void* buffer, int32_t count) = 0;
    // Returns the new position, or -1 when the request fails.
    virtual int64_t Seek(int64_t offset, uint16_t origin) = 0;

    int64_t Position() { return Seek(0, soFromCurrent); }
    void SetPosition(int64_t pos) { Seek(pos, soFromBeginning); }
    int64_t Size();
};

// A growable stream over bytes held in memory.
class TMemoryStream : public TStream {
  public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    int64_t Seek(int64_t offset, uint16_t origin) override;

    const std::vector<uint8_t>& Bytes() const { return bytes_; }

  private:
    std::vector<uint8_t> bytes_;
    int64_t pos_ = 0;
};

}  // namespace setup
