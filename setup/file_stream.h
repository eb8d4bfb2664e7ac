// A stream over a Win32 file handle, owned and closed with the stream.
#pragma once

#include <windows.h>

#include <string>

#include "setup/tstream.h"
#include "ui/handles.h"

namespace setup {

class TFileStream : public TStream {
  public:
    // CreateFileA with these access, share and creation values; IsOpen() tells the outcome.
    TFileStream(const std::string& path, DWORD access, DWORD share, DWORD creation);

    bool IsOpen() const { return static_cast<bool>(file_); }
    HANDLE Handle() const { return file_.Get(); }
    void Close() { file_.Reset(); }

    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    int64_t Seek(int64_t offset, uint16_t origin) override;

  private:
    ui::FileHandle file_;
};

}  // namespace setup
