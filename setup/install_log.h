// The install log: the record of every file written and folder made, without duplicate lines.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace setup {

// Lines in the order they were added; a new line equal to one held (letter case ignored) is
// dropped. Lines loaded from an earlier log stay as they were.
class TInstallLog {
  public:
    void Add(std::string_view line);
    void LoadText(std::string_view text);
    std::string SaveText() const;
    const std::vector<std::string>& Lines() const { return lines_; }

  private:
    void Keep(std::string line);

    std::vector<std::string> lines_;
    std::unordered_set<std::string> keys_;
};

// Line prefixes of the log file format.
inline constexpr std::string_view kFileCopyPrefix = "File Copy: ";
inline constexpr std::string_view kMadeDirPrefix = "Made Dir: ";

// State of one setup run.
extern std::optional<TInstallLog> InstallLog;
extern std::string InstallLogPath;
extern bool InstallRan;
extern int LogSuspend;

// Adds the line unless logging is suspended or no log exists yet.
void LogAction(std::string_view line);
void SuspendLog();
void ResumeLog();

// Back to the state at start (the unit's finalisation, and between tests).
void ResetInstallLogState();

// What ForceDirsLogged needs from the file system.
struct FolderOps {
    std::function<bool(const std::string&)> IsReachable;
    std::function<void(const std::string&)> Make;
};

// Makes the folder and every missing parent, parents first, each logged as "Made Dir: ".
void ForceDirsLogged(const std::string& folder, const FolderOps& ops);

}  // namespace setup
