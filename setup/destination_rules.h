// The wizard's rules for the destination folder and the command lines it writes.
#pragma once

#include <optional>
#include <string>

namespace setup {

inline constexpr char kProgramFileName[] = "Korvalith.exe";
inline constexpr char kHelpFileName[] = "Korvalith.chm";
inline constexpr char kLicenseFileName[] = "License.txt";
inline constexpr char kShortcutFileName[] = "Korvalith.lnk";
inline constexpr char kProductFolder[] = "Korvalith";

// The recorded folder when there is one, else the program-files folder with "\Korvalith"
// (the bare "Korvalith" without it).
std::string DefaultDestination(const std::optional<std::string>& mainDir,
                               const std::optional<std::string>& programFilesDir);

// What the edit proposes for a folder chosen in the folder list: a drive root or a
// "Program Files" folder gets "Korvalith" appended, any other folder stays as it is.
std::string ProposedDestination(const std::string& chosen);

// The program path between double quotes, a blank and the switch ("-ui", "-intro").
std::string ProgramCommandLine(const std::string& destDir, const char* option);

}  // namespace setup
