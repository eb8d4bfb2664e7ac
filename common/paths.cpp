// The shared path helpers on the shell and the current-folder calls.
#include "common/paths.h"

#include <shlobj.h>

#include <vector>

namespace {

// An item list from the shell, freed through the shell's allocator.
class ShellItemList {
  public:
    ShellItemList() = default;
    ShellItemList(const ShellItemList&) = delete;
    ShellItemList& operator=(const ShellItemList&) = delete;
    ~ShellItemList() {
        if (items_ == nullptr) {
            return;
        }
        IMalloc* allocator = nullptr;
        if (SUCCEEDED(SHGetMalloc(&allocator)) && allocator != nullptr) {
            allocator->Free(items_);
            allocator->Release();
        }
    }
    LPITEMIDLIST* Receive() { return &items_; }
    LPCITEMIDLIST Get() const { return items_; }

  private:
    LPITEMIDLIST items_ = nullptr;
};

std::string CurrentDirectory() {
    const DWORD size = GetCurrentDirectoryA(0, nullptr);
    if (size == 0) {
        return {};
    }
    std::vector<char> buffer(size + 1);
    const DWORD got = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    return got == 0 || got >= buffer.size() ? std::string() : std::string(buffer.data(), got);
}

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(),
                          static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

}  // namespace

std::string GetSpecialFolder(int csidl, HWND owner) {
    ShellItemList items;
    if (FAILED(SHGetSpecialFolderLocation(owner, csidl, items.Receive())) ||
        items.Get() == nullptr) {
        return {};
    }
    char path[MAX_PATH] = {};
    if (!SHGetPathFromIDListA(items.Get(), path)) {
        return {};
    }
    std::string folder(path);
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) {
        folder.pop_back();
    }
    return folder;
}

bool DirectoryIsReachable(const std::string& path) {
    const std::string saved = CurrentDirectory();
    std::string wanted = path;
    AddBackslash(wanted);
    bool reachable = false;
    if (!wanted.empty() && SetCurrentDirectoryA(wanted.c_str())) {
        std::string now = CurrentDirectory();
        AddBackslash(now);
        reachable = SameTextIgnoringCase(now, wanted);
    }
    SetCurrentDirectoryA(saved.c_str());
    return reachable;
}

std::string GetTempDir(HWND owner) {
    char buffer[MAX_PATH + 1] = {};
    const DWORD got = GetTempPathA(sizeof buffer, buffer);
    std::string folder = got > 0 && got < sizeof buffer ? std::string(buffer, got) : std::string();
    if (!DirectoryIsReachable(folder)) {
        folder = GetSpecialFolder(kCsidlPersonal, owner);
    }
    AddBackslash(folder);
    return folder;
}
