// The version flags and the default font name rule.
#include "shell/version_rules.h"

VersionFlags FlagsFromVersion(uint32_t majorVersion, uint32_t platformId) {
    return {majorVersion > 4 && platformId == kPlatformNt, majorVersion >= 6};
}

const char* DefaultFontNameFor(bool nt5OrLater) {
    return nt5OrLater ? "MS Shell Dlg 2" : "MS Sans Serif";
}
