// Builds setup archives in memory for tests, with hooks to damage any piece of them.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

#include "setup/archive_format.h"

namespace setup_test {

using Bytes = std::vector<uint8_t>;

inline Bytes Deflate(const Bytes& raw) {
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    Bytes out(size);
    compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION);
    out.resize(size);
    return out;
}

inline Bytes BytesOf(const std::string& s) { return Bytes(s.begin(), s.end()); }

// Deterministic bytes that compress a little but not much.
inline Bytes Noise(size_t n, uint32_t seed) {
    Bytes out(n);
    for (size_t i = 0; i < n; ++i) {
        seed = seed * 1103515245u + 12345u;
        out[i] = static_cast<uint8_t>((seed >> 16) % 23);
    }
    return out;
}

struct Member {
    std::string name;
    Bytes content;
    double date = 40965.49638888889;
};

// The pieces of one archive, open to changes before Assemble().
struct ArchiveParts {
    Bytes image;
    std::vector<Bytes> packedMembers;
    std::vector<setup::TAttachedFile> records;  // sentinel included
    Bytes directory;                            // compressed
    uint32_t trailerA = 0;
    uint32_t trailerB = 0;

    Bytes Assemble() const {
        Bytes out = image;
        for (const Bytes& m : packedMembers) {
            out.insert(out.end(), m.begin(), m.end());
        }
        out.insert(out.end(), directory.begin(), directory.end());
        for (uint32_t v : {trailerA, trailerB}) {
            for (int i = 0; i < 4; ++i) {
                out.push_back(static_cast<uint8_t>(v >> (8 * i)));
            }
        }
        return out;
    }

    // Re-encodes and compresses the records after a test changed them.
    void RepackDirectory() { directory = Deflate(setup::EncodeRecords(records)); }
};

inline ArchiveParts BuildArchive(const std::vector<Member>& members, size_t imageSize = 1000) {
    ArchiveParts p;
    p.image = Noise(imageSize, 7);
    uint32_t offset = static_cast<uint32_t>(imageSize);
    for (const Member& m : members) {
        p.packedMembers.push_back(Deflate(m.content));
        setup::TAttachedFile r;
        r.Name = m.name;
        r.Size = static_cast<uint32_t>(m.content.size());
        r.Date = m.date;
        r.Offset = offset;
        offset += static_cast<uint32_t>(p.packedMembers.back().size());
        p.records.push_back(r);
    }
    p.records.push_back(setup::SentinelRecord(offset));
    p.RepackDirectory();
    p.trailerA = p.trailerB = offset;
    return p;
}

}  // namespace setup_test
