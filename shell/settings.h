// The settings store: where the four settings live (registry or INI file), loading and saving.
#pragma once

#include <string>

#include "shell/options_record.h"

// The one settings record of the program, filled by LoadOptions before the main window exists.
extern TKorvalithOptions Settings;

// The registry key under HKEY_CURRENT_USER, and the INI file's section and default name.
constexpr char kSettingsKeyName[] = "\\Software\\Ostrevane\\Korvalith";
constexpr char kIniSection[] = "General";
constexpr char kIniFileName[] = "Korvalith.ini";

void LoadOptions();
void SaveOptions();

// True on a removable drive or CD, and on Windows 6 and later; asked anew by every load and save.
bool UseIniFile();

// Beside the program file (its name with ".ini") on a removable drive, else Korvalith.ini in the
// user's documents folder.
std::string GetIniFileName();

// The drive of the path reports type 2 (removable) or 5 (CD-ROM).
bool IsRemovableDrive(const std::string& path);
bool RunsFromRemovableDrive();
