// The tray tip: the program's name and its hot key as a menu writes shortcuts.
#include "target/activation_tip.h"

#include <string_view>

namespace {
constexpr std::string_view kProgramName = "Korvalith";
}

std::string TrayTip(ui::Shortcut hotKey) {
    if (hotKey == 0) return std::string(kProgramName);
    return std::string(kProgramName) + " (" + ui::ShortcutToText(hotKey) + ")";
}
