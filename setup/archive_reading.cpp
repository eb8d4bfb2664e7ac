// Directory reading with every check, and the copy loop of one member.
#include "setup/archive_reading.h"

#include <array>

namespace setup {

DirectoryRead ReadArchiveDirectory(TStream& source) {
    DirectoryRead result;
    const int64_t size = source.Size();
    if (size < static_cast<int64_t>(kTrailerBytes)) {
        return result;
    }
    std::array<uint8_t, kTrailerBytes> trailer{};
    source.SetPosition(size - static_cast<int64_t>(kTrailerBytes));
    if (source.Read(trailer.data(), kTrailerBytes) != static_cast<int32_t>(kTrailerBytes)) {
        return result;
    }
    const std::optional<uint32_t> dirOffset = ParseTrailer(trailer);
    if (!dirOffset) {
        return result;
    }
    result.Outcome = DirectoryOutcome::BadDirectory;
    const int64_t packed =
        size - static_cast<int64_t>(*dirOffset) - static_cast<int64_t>(kTrailerBytes);
    if (packed <= 0 || packed > INT32_MAX) {
        return result;
    }
    source.SetPosition(*dirOffset);
    std::vector<uint8_t> content;
    {
        TZDecompressionStream z(source);
        z.Limit = static_cast<int32_t>(packed);
        std::array<uint8_t, kInflatePiece> piece{};
        for (;;) {
            const int32_t got = z.Read(piece.data(), kInflatePiece);
            if (got <= 0) {
                break;
            }
            content.insert(content.end(), piece.begin(), piece.begin() + got);
            if (content.size() > kMaxDirectoryBytes) {
                return result;
            }
        }
        if (!z.Finished()) {
            return result;
        }
    }
    std::optional<std::vector<TAttachedFile>> files = ParseDirectory(content, *dirOffset);
    if (!files) {
        return result;
    }
    result.Outcome = DirectoryOutcome::Ok;
    result.Files = std::move(*files);
    return result;
}

bool PumpMember(TZDecompressionStream& member, TStream& dest) {
    std::array<uint8_t, kInflatePiece> piece{};
    for (;;) {
        const int32_t got = member.Read(piece.data(), kInflatePiece);
        if (got <= 0) {
            break;
        }
        if (dest.Write(piece.data(), got) != got) {
            return false;
        }
    }
    return member.Finished();
}

}  // namespace setup
