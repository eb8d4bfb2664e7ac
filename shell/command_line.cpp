// The command-line rule of the password program.
#include "shell/command_line.h"

StartMode StartModeFromArgs(std::span<const std::string_view> args) {
    if (args.size() != 1) return StartMode::Normal;
    if (args[0] == kUninstallSwitch) return StartMode::Uninstall;
    if (args[0] == kIntroSwitch) return StartMode::Intro;
    return StartMode::Normal;
}
