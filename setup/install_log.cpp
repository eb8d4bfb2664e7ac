// Install log rules: no duplicate lines, suspension, and logged folder creation.
#include "setup/install_log.h"

#include "setup/ansi_case.h"
#include "setup/path_rules.h"

namespace setup {

std::optional<TInstallLog> InstallLog;
std::string InstallLogPath;
bool InstallRan = false;
int LogSuspend = 0;

void TInstallLog::Keep(std::string line) {
    keys_.insert(AnsiUpper(line));
    lines_.push_back(std::move(line));
}

void TInstallLog::Add(std::string_view line) {
    if (keys_.contains(AnsiUpper(line))) {
        return;
    }
    Keep(std::string(line));
}

void TInstallLog::LoadText(std::string_view text) {
    // A line ends at CR LF, LF or a lone CR; a last line without an ending still counts.
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            Keep(std::string(text.substr(pos)));
            break;
        }
        Keep(std::string(text.substr(pos, end - pos)));
        pos = end + 1;
        if (text[end] == '\r' && pos < text.size() && text[pos] == '\n') {
            ++pos;
        }
    }
}

std::string TInstallLog::SaveText() const {
    std::string out;
    for (const std::string& line : lines_) {
        out += line;
        out += "\r\n";
    }
    return out;
}

void LogAction(std::string_view line) {
    if (LogSuspend > 0 || !InstallLog) {
        return;
    }
    InstallLog->Add(line);
}

void SuspendLog() { ++LogSuspend; }

void ResumeLog() { --LogSuspend; }

void ResetInstallLogState() {
    InstallLog.reset();
    InstallLogPath.clear();
    InstallRan = false;
    LogSuspend = 0;
}

void ForceDirsLogged(const std::string& folder, const FolderOps& ops) {
    if (folder.empty() || ops.IsReachable(folder)) {
        return;  // an empty folder names nothing to make
    }
    const std::string parent = ParentFolder(folder);
    if (parent.size() < folder.size()) {
        ForceDirsLogged(parent, ops);
    }
    ops.Make(folder);
    LogAction(std::string(kMadeDirPrefix) + folder);
}

}  // namespace setup
