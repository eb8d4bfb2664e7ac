// What the start-up derives from the Windows version: the two version flags and the default
// user-interface font name.
#pragma once

#include <cstdint>

struct VersionFlags {
    bool nt5OrLater;
    bool windows6OrLater;
};

constexpr uint32_t kPlatformNt = 2;  // VER_PLATFORM_WIN32_NT

VersionFlags FlagsFromVersion(uint32_t majorVersion, uint32_t platformId);

// "MS Shell Dlg 2" on NT 5 and later, "MS Sans Serif" before and on Windows 9x.
const char* DefaultFontNameFor(bool nt5OrLater);
