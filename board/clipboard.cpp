// Clipboard routine shared by the copy button and the delivery code.
#include "board/clipboard.h"

#include <cstring>
#include <utility>

#include "core/wipe.h"
#include "ui/handles.h"

namespace board {
namespace {

constexpr const char* kExcludeFromMonitors = "ExcludeClipboardContentFromMonitorProcessing";
constexpr const char* kIncludeInHistory = "CanIncludeInClipboardHistory";
// Another program may hold the clipboard for a moment.
constexpr int kOpenAttempts = 5;
constexpr DWORD kOpenRetryMs = 10;

// A movable global memory block, freed unless the clipboard took it over.
class GlobalBlock {
  public:
    explicit GlobalBlock(size_t size) : mem_(GlobalAlloc(GMEM_MOVEABLE, size)) {}
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    // A block the clipboard did not take may hold the password: zero it before freeing.
    ~GlobalBlock() {
        if (!mem_) return;
        if (void* p = GlobalLock(mem_)) {
            SecureWipe(p, GlobalSize(mem_));
            GlobalUnlock(mem_);
        }
        GlobalFree(mem_);
    }
    bool Fill(const void* data, size_t size) {
        if (!mem_) return false;
        void* p = GlobalLock(mem_);
        if (!p) return false;
        std::memcpy(p, data, size);
        GlobalUnlock(mem_);
        return true;
    }
    // Hands the block to the clipboard, which owns it once SetClipboardData succeeds.
    bool GiveToClipboard(UINT format) {
        if (!mem_ || !SetClipboardData(format, mem_)) return false;
        mem_ = nullptr;
        return true;
    }

  private:
    HGLOBAL mem_;
};

bool SetDword(const char* formatName, DWORD value) {
    const UINT format = RegisterClipboardFormatA(formatName);
    if (format == 0) return false;
    GlobalBlock block(sizeof value);
    return block.Fill(&value, sizeof value) && block.GiveToClipboard(format);
}

}  // namespace

bool CopyPasswordToClipboard(const std::string& password, HWND owner) {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        ui::ClipboardSession session(owner);
        if (!session.IsOpen()) {
            Sleep(kOpenRetryMs);
            continue;
        }
        if (!EmptyClipboard()) return false;
        GlobalBlock text(password.size() + 1);
        if (!text.Fill(password.c_str(), password.size() + 1) || !text.GiveToClipboard(CF_TEXT)) {
            return false;
        }
        SetDword(kExcludeFromMonitors, 0);
        SetDword(kIncludeInHistory, 0);
        return true;
    }
    return false;
}

}  // namespace board
