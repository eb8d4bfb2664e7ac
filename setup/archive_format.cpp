// Encoding and checked parsing of the archive directory and trailer.
#include "setup/archive_format.h"

#include <algorithm>
#include <cstring>

namespace setup {
namespace {

// Writes the value at pos; the format is little-endian, like every x86 host.
template <typename T>
size_t Put(std::vector<uint8_t>& out, size_t pos, T value) {
    std::memcpy(out.data() + pos, &value, sizeof(T));
    return pos + sizeof(T);
}

template <typename T>
T Get(std::span<const uint8_t> bytes, size_t pos) {
    T value;
    std::memcpy(&value, bytes.data() + pos, sizeof(T));
    return value;
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Windows drops trailing dots and blanks from a path part, so "..", ". ." and "..." all climb.
bool IsDotsAndBlanksOnly(std::string_view part) {
    return part.find_first_not_of(". ") == std::string_view::npos;
}

}  // namespace

std::vector<uint8_t> EncodeRecords(const std::vector<TAttachedFile>& records) {
    size_t total = 0;
    for (const TAttachedFile& r : records) {
        total += kRecordFixedBytes + std::min(r.Name.size(), kMaxNameBytes);
    }
    std::vector<uint8_t> out(total);
    size_t pos = 0;
    for (const TAttachedFile& r : records) {
        const size_t n = std::min(r.Name.size(), kMaxNameBytes);
        out[pos++] = static_cast<uint8_t>(n);
        if (n > 0) {
            std::memcpy(out.data() + pos, r.Name.data(), n);
        }
        pos = Put<uint32_t>(out, pos + n, r.Size);
        pos = Put<double>(out, pos, r.Date);
        pos = Put<uint32_t>(out, pos, r.Offset);
    }
    return out;
}

TAttachedFile SentinelRecord(uint32_t directoryOffset) {
    TAttachedFile s;
    s.Offset = directoryOffset;
    return s;
}

std::vector<uint8_t> EncodeTrailer(uint32_t directoryOffset) {
    std::vector<uint8_t> out(kTrailerBytes);
    Put<uint32_t>(out, Put<uint32_t>(out, 0, directoryOffset), directoryOffset);
    return out;
}

std::optional<uint32_t> ParseTrailer(std::span<const uint8_t> trailer) {
    if (trailer.size() != kTrailerBytes) {
        return std::nullopt;
    }
    const uint32_t a = Get<uint32_t>(trailer, 0);
    const uint32_t b = Get<uint32_t>(trailer, 4);
    if (a != b) {
        return std::nullopt;
    }
    return a;
}

bool IsSafeMemberName(std::string_view name) {
    if (name.empty() || IsSeparator(name.front()) || IsSeparator(name.back())) {
        return false;
    }
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 32 || c == ':') {
            return false;  // ':' would name a drive or an alternate data stream
        }
    }
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = start;
        while (end < name.size() && !IsSeparator(name[end])) {
            ++end;
        }
        const std::string_view part = name.substr(start, end - start);
        if (part.empty() || IsDotsAndBlanksOnly(part)) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

std::optional<std::vector<TAttachedFile>> ParseDirectory(std::span<const uint8_t> content,
                                                         uint32_t directoryOffset) {
    std::vector<TAttachedFile> files;
    size_t pos = 0;
    bool sentinelSeen = false;
    while (pos < content.size()) {
        if (sentinelSeen) {
            return std::nullopt;  // records after the sentinel
        }
        const size_t n = content[pos];
        if (content.size() - pos < kRecordFixedBytes + n) {
            return std::nullopt;  // incomplete record
        }
        TAttachedFile f;
        f.Name.assign(reinterpret_cast<const char*>(content.data() + pos + 1), n);
        pos += 1 + n;
        f.Size = Get<uint32_t>(content, pos);
        f.Date = Get<double>(content, pos + 4);
        f.Offset = Get<uint32_t>(content, pos + 12);
        pos += kRecordFixedBytes - 1;
        if (!files.empty() && f.Offset <= files.back().Offset) {
            return std::nullopt;  // offsets must ascend, so every member has a positive size
        }
        if (f.Name.empty()) {
            if (f.Offset != directoryOffset) {
                return std::nullopt;
            }
            sentinelSeen = true;
        } else if (f.Offset >= directoryOffset || !IsSafeMemberName(f.Name)) {
            return std::nullopt;
        }
        if (!files.empty()) {
            files.back().PackedSize = f.Offset - files.back().Offset;
        }
        files.push_back(std::move(f));
    }
    if (!sentinelSeen) {
        return std::nullopt;
    }
    files.pop_back();
    return files;
}

}  // namespace setup
