// The uninstaller's temporary file names.
#include "shell/temp_name.h"

#include <windows.h>

#include <cstdio>

#include "common/paths.h"

std::string GetUniqueTempFileName(const std::string& ext) {
    const std::string folder = GetTempDir();
    for (unsigned n = 0;; ++n) {
        char name[MAX_PATH];
        std::snprintf(name, sizeof name, "Korvalith%u%s", n, ext.c_str());
        std::string path = folder + name;
        // A folder of that name counts as taken too: the script could not be written there.
        if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return path;
    }
}
