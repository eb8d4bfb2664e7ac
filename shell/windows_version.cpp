// The version flags of the running Windows.
#include "shell/windows_version.h"

#include <windows.h>

#include "shell/version_rules.h"

bool IsNT5OrLater = false;
bool IsWindows6OrLater = false;

void InitWindowsVersion() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;  // 148 bytes, the first form
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&info)) {
        return;
    }
#pragma GCC diagnostic pop
    const VersionFlags flags = FlagsFromVersion(info.dwMajorVersion, info.dwPlatformId);
    IsNT5OrLater = flags.nt5OrLater;
    IsWindows6OrLater = flags.windows6OrLater;
}

const char* DefaultUiFontName() { return DefaultFontNameFor(IsNT5OrLater); }
