// What the uninstaller does with each line of the install log, walking it from the last line
// to the first.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kFileCopyPrefix = "File Copy: ";
inline constexpr std::string_view kMadeDirPrefix = "Made Dir: ";
inline constexpr std::string_view kInstallLogName = "Install.log";

enum class UninstallAction {
    DeleteFile,       // a file the setup copied
    RemoveFolder,     // a folder the setup made; only an empty one goes
    StartSelfDelete,  // the running program's own file: write and start the script
};

struct UninstallStep {
    UninstallAction action;
    std::string path;
    friend bool operator==(const UninstallStep&, const UninstallStep&) = default;
};

// The lines of a text file as a string list reads them: a line ends at CR LF, LF or CR, and a
// line end at the very end of the text makes no empty last line.
std::vector<std::string> SplitLines(std::string_view text);

// Tells whether two paths name the same file, without regard to letter case by the rules of
// the system's code page (supplied by the caller, so the walk stays free of system calls).
using SamePathFn = std::function<bool(std::string_view, std::string_view)>;

// The steps in the order they are to be taken: the lines from last to first, lines of other
// kinds dropped, and the running program's file giving StartSelfDelete at its first (that is,
// its last-listed) line and nothing at any other.
std::vector<UninstallStep> PlanUninstall(const std::vector<std::string>& logLines,
                                         std::string_view programPath, const SamePathFn& samePath);

// The folders of the walk's RemoveFolder steps that hold the program's folder (which keeps its
// trailing backslash), each with a trailing backslash, innermost first. While the program file is
// still there, the walk cannot remove them; the script removes them after the program's folder.
// Only empty ones go then.
std::vector<std::string> FoldersAboveProgram(const std::vector<UninstallStep>& steps,
                                             std::string_view programFolder,
                                             const SamePathFn& samePath);
