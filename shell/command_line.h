// The password program's command line: which of its three courses a start takes.
#pragma once

#include <span>
#include <string_view>

enum class StartMode {
    Normal,     // no argument, or anything that is not a switch
    Uninstall,  // "-ui": the uninstaller runs and the program ends
    Intro,      // "-intro": a normal start that may show the introduction
};

inline constexpr std::string_view kUninstallSwitch = "-ui";
inline constexpr std::string_view kIntroSwitch = "-intro";

// args are the arguments after the program name. Only a single argument is looked at, and it
// must match a switch exactly, letter case included.
StartMode StartModeFromArgs(std::span<const std::string_view> args);
