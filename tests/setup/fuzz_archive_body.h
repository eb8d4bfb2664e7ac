// One fuzz input through the reader: the input is both the member area and the directory
// content of a setup file built around it, so every record the parser accepts is inflated.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "setup/archive_reading.h"
#include "tests/setup/archive_builder.h"

namespace setup_test {

// Takes at most a limited number of bytes, so a member that inflates without end stops early.
class BoundedSink : public setup::TStream {
  public:
    int32_t Read(void*, int32_t) override { return 0; }
    int32_t Write(const void*, int32_t count) override {
        if (count <= 0 || total_ + static_cast<size_t>(count) > kLimit) {
            return 0;
        }
        total_ += static_cast<size_t>(count);
        return count;
    }
    int64_t Seek(int64_t, uint16_t) override { return static_cast<int64_t>(total_); }

  private:
    static constexpr size_t kLimit = 1u << 20;
    size_t total_ = 0;
};

inline void ReadFuzzedArchive(const uint8_t* data, size_t size) {
    const Bytes input(data, data + size);
    // Input as a whole setup file.
    {
        setup::TMemoryStream source(input);
        setup::ReadArchiveDirectory(source);
    }
    // Input as the members and, compressed, as the directory of a file with a valid trailer.
    ArchiveParts p;
    p.image = input;
    p.directory = Deflate(input);
    p.trailerA = p.trailerB = static_cast<uint32_t>(input.size());
    setup::TMemoryStream source(p.Assemble());
    const setup::DirectoryRead read = setup::ReadArchiveDirectory(source);
    for (const setup::TAttachedFile& f : read.Files) {
        source.SetPosition(f.Offset);
        setup::TZDecompressionStream member(source);
        member.Limit = static_cast<int32_t>(f.PackedSize);
        BoundedSink sink;
        setup::PumpMember(member, sink);
    }
}

}  // namespace setup_test
