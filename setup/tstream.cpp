// Stream size helper and the memory stream.
#include "setup/tstream.h"

#include <algorithm>
#include <cstring>

namespace setup {

int64_t TStream::Size() {
    const int64_t pos = Position();
    const int64_t size = Seek(0, soFromEnd);
    SetPosition(pos);
    return size;
}

int32_t TMemoryStream::Read(void* buffer, int32_t count) {
    if (count <= 0 || pos_ >= static_cast<int64_t>(bytes_.size())) {
        return 0;
    }
    const int64_t n = std::min<int64_t>(count, static_cast<int64_t>(bytes_.size()) - pos_);
    std::memcpy(buffer, bytes_.data() + pos_, static_cast<size_t>(n));
    pos_ += n;
    return static_cast<int32_t>(n);
}

int32_t TMemoryStream::Write(const void* buffer, int32_t count) {
    if (count <= 0) {
        return 0;
    }
    const size_t end = static_cast<size_t>(pos_) + static_cast<size_t>(count);
    if (end > bytes_.size()) {
        bytes_.resize(end);
    }
    std::memcpy(bytes_.data() + pos_, buffer, static_cast<size_t>(count));
    pos_ = static_cast<int64_t>(end);
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, uint16_t origin) {
    int64_t base = 0;
    if (origin == soFromCurrent) {
        base = pos_;
    } else if (origin == soFromEnd) {
        base = static_cast<int64_t>(bytes_.size());
    }
    if (base + offset < 0) {
        return -1;
    }
    pos_ = base + offset;
    return pos_;
}

}  // namespace setup
