// File-system side of the setup: logged folders, the shortcut, temporary files, file dates and
// the install log file.
#pragma once

#include <windows.h>

#include <string>

#include "setup/install_log.h"
#include "setup/path_rules.h"
#include "common/paths.h"

namespace setup {

inline constexpr char kSetupTitle[] = "Korvalith 1.0 - Setup";
inline constexpr char kLogFileName[] = "Install.log";

// Unit start-up: the system's letter-case rule and the close message number.
void InitInstUtils();
// The number of the registered message "WM_CLOSEKORVALITH".
UINT CloseMessage();

// Makes the folder and its missing parents, each logged as "Made Dir: ".
void ForceDirsLogged(const std::string& folder);
// Writes a shell link file (logged as "File Copy: "); COM is initialised by the caller.
void CreateShortcut(const std::string& linkFile, const std::string& target,
                    const std::string& arguments, const std::string& workingFolder,
                    const std::string& iconFile, int iconIndex);

std::string MakeTempFileName();
void DeleteTempFiles();
void DeleteTree(std::string folder);

std::string GetCurDir();
// True for an existing file (a folder of that name does not count).
bool FileExists(const std::string& path);
// The file's last-write (or creation) time in local time at DOS precision as a day-count date;
// the current local date and time when no file matches.
double GetFileDate(const std::string& path, bool lastWrite = true);
// Sets only the last-write time from a day-count date read as local time; failures are ignored.
void SetFileDateFromDayCount(const std::string& path, double date);

// The install step's log set-up: an empty log, its path, the lines of an existing log file.
void BeginInstallLog(const std::string& destFolder);
// Writes the log to InstallLogPath (created or replaced); failures are ignored.
void SaveInstallLog();

}  // namespace setup
