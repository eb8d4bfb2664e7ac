// Loads OLEACC.DLL by its full path in the system folder, never by bare name, so that a
// library of that name in the program's or the current folder is not picked up.
#include "target/oleacc_loader.h"

#include <string>

namespace korvalith {
namespace {

constexpr char kLibraryName[] = "OLEACC.DLL";
constexpr char kExportName[] = "ObjectFromLresult";

HMODULE g_library = nullptr;
ObjectFromLresultFn g_entry = nullptr;

HMODULE LoadFromSystemFolder() {
    char folder[MAX_PATH] = {};
    const UINT n = GetSystemDirectoryA(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return nullptr;
    std::string path(folder, n);
    if (path.back() != '\\') path += '\\';
    path += kLibraryName;
    return LoadLibraryA(path.c_str());
}

}  // namespace

ObjectFromLresultFn ObjectFromLresultEntry() {
    if (!g_library) {
        g_library = LoadFromSystemFolder();
        if (g_library)
            g_entry = reinterpret_cast<ObjectFromLresultFn>(
                reinterpret_cast<void*>(GetProcAddress(g_library, kExportName)));
    }
    return g_entry;
}

}  // namespace korvalith
