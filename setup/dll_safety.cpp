// SetDefaultDllDirectories where present (Windows 7 with KB2533623 and later), else the
// current folder taken out of the search.
#include "setup/dll_safety.h"

#include <string>

namespace setup {
namespace {

constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

bool HasSearchFlags() {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    return kernel && GetProcAddress(kernel, "AddDllDirectory") != nullptr;
}

}  // namespace

void RestrictDllSearchToSystem() {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (!kernel) {
        return;
    }
    using SetDefaultFn = BOOL(WINAPI*)(DWORD);
    auto setDefault = reinterpret_cast<SetDefaultFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (setDefault) {
        setDefault(kSearchSystem32);
        return;
    }
    using SetDirFn = BOOL(WINAPI*)(LPCSTR);
    auto setDir = reinterpret_cast<SetDirFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDllDirectoryA")));
    if (setDir) {
        setDir("");
    }
}

HMODULE LoadSystemLibrary(const char* name) {
    if (HasSearchFlags()) {
        return LoadLibraryExA(name, nullptr, kSearchSystem32);
    }
    char dir[MAX_PATH + 1] = {};
    const UINT n = GetSystemDirectoryA(dir, sizeof dir);
    if (n == 0 || n >= sizeof dir) {
        return nullptr;
    }
    const std::string path = std::string(dir, n) + "\\" + name;
    return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace setup
