// The path helpers both programs share: special folders, reachable folders, the temporary folder.
#pragma once

#include <windows.h>

#include <string>

#include "common/path_text.h"

constexpr int kCsidlPersonal = 5;  // the user's documents folder
constexpr int kCsidlStartup = 7;   // the user's Startup folder

// The file-system path of a shell special folder, without a trailing backslash; empty when the
// folder cannot be resolved. owner is the window the shell may use for any dialog it shows.
std::string GetSpecialFolder(int csidl, HWND owner = nullptr);

// True when the path can be made the current folder and then reads back as itself (letter case
// aside); a relative path therefore never counts. The current folder is restored.
bool DirectoryIsReachable(const std::string& path);

// The system's temporary folder, or the documents folder when that is not reachable; with a
// trailing backslash in both cases.
std::string GetTempDir(HWND owner = nullptr);
