// Reads, writes and seeks of a Win32 file.
#include "setup/file_stream.h"

namespace setup {

TFileStream::TFileStream(const std::string& path, DWORD access, DWORD share, DWORD creation)
    : file_(CreateFileA(path.c_str(), access, share, nullptr, creation, FILE_ATTRIBUTE_NORMAL,
                        nullptr)) {}

int32_t TFileStream::Read(void* buffer, int32_t count) {
    DWORD got = 0;
    if (!file_ || count <= 0 ||
        !ReadFile(file_.Get(), buffer, static_cast<DWORD>(count), &got, nullptr)) {
        return 0;
    }
    return static_cast<int32_t>(got);
}

int32_t TFileStream::Write(const void* buffer, int32_t count) {
    DWORD put = 0;
    if (!file_ || count <= 0 ||
        !WriteFile(file_.Get(), buffer, static_cast<DWORD>(count), &put, nullptr)) {
        return 0;
    }
    return static_cast<int32_t>(put);
}

int64_t TFileStream::Seek(int64_t offset, uint16_t origin) {
    constexpr DWORD kMethod[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
    LARGE_INTEGER to{};
    to.QuadPart = offset;
    LARGE_INTEGER now{};
    if (!file_ || origin > soFromEnd || !SetFilePointerEx(file_.Get(), to, &now, kMethod[origin])) {
        return -1;
    }
    return now.QuadPart;
}

}  // namespace setup
