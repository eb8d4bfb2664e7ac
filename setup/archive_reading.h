// Reading the archive's directory from the setup file and inflating one member into a stream.
#pragma once

#include <cstdint>
#include <vector>

#include "setup/archive_format.h"
#include "setup/tstream.h"
#include "setup/zstream.h"

namespace setup {

enum class DirectoryOutcome { Ok, BadTrailer, BadDirectory };

struct DirectoryRead {
    DirectoryOutcome Outcome = DirectoryOutcome::BadTrailer;
    std::vector<TAttachedFile> Files;
};

// Pieces in which the directory and the members are inflated.
constexpr int32_t kInflatePiece = 16384;
// No real directory comes near this; a larger one is damaged (or hostile) data.
constexpr size_t kMaxDirectoryBytes = 4u << 20;

// Checks the trailer, inflates the directory up to the trailer and checks every record.
DirectoryRead ReadArchiveDirectory(TStream& source);

// Reads the member stream to its end in 16 KB pieces and writes each piece to dest. True only
// when zlib reached the end of the member and every write took all its bytes.
bool PumpMember(TZDecompressionStream& member, TStream& dest);

}  // namespace setup
