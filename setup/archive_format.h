// Byte layout of the archive appended to the setup executable: entry records, directory, trailer.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace setup {

// One directory entry; PackedSize is computed from the next record's offset.
struct TAttachedFile {
    std::string Name;
    uint32_t Size = 0;
    double Date = 0.0;
    uint32_t Offset = 0;
    uint32_t PackedSize = 0;
};

// name length byte + name + size (4) + date (8) + offset (4)
constexpr size_t kRecordFixedBytes = 17;
constexpr size_t kTrailerBytes = 8;
constexpr size_t kMaxNameBytes = 255;

// The plain content of a directory: the records one after another. The caller includes the
// sentinel (empty name, size 0, date 0, the directory's own offset) as the last record.
std::vector<uint8_t> EncodeRecords(const std::vector<TAttachedFile>& records);

TAttachedFile SentinelRecord(uint32_t directoryOffset);

// The 8-byte trailer: the directory offset twice.
std::vector<uint8_t> EncodeTrailer(uint32_t directoryOffset);

// The directory offset when both trailer values agree.
std::optional<uint32_t> ParseTrailer(std::span<const uint8_t> trailer);

// A name that stays inside the destination folder: relative, no drive, no "." or ".." part, no
// empty part, no control character.
bool IsSafeMemberName(std::string_view name);

// Parses and checks the inflated directory: complete records, offsets strictly ascending and
// below the directory, safe names, and the sentinel last (empty name, the directory's offset).
// Gives the members without the sentinel, each with its PackedSize; nothing when damaged.
std::optional<std::vector<TAttachedFile>> ParseDirectory(std::span<const uint8_t> content,
                                                         uint32_t directoryOffset);

}  // namespace setup
