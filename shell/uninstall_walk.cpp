// The backward walk over the install log.
#include "shell/uninstall_walk.h"

#include <algorithm>
#include <utility>

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

std::vector<UninstallStep> PlanUninstall(const std::vector<std::string>& logLines,
                                         std::string_view programPath, const SamePathFn& samePath) {
    std::vector<UninstallStep> steps;
    bool scriptStarted = false;
    for (auto line = logLines.rbegin(); line != logLines.rend(); ++line) {
        std::string_view text = *line;
        if (text.starts_with(kFileCopyPrefix)) {
            std::string_view path = text.substr(kFileCopyPrefix.size());
            if (samePath(path, programPath)) {
                if (!scriptStarted) {
                    steps.push_back({UninstallAction::StartSelfDelete, std::string(path)});
                    scriptStarted = true;
                }
            } else {
                steps.push_back({UninstallAction::DeleteFile, std::string(path)});
            }
        } else if (text.starts_with(kMadeDirPrefix)) {
            steps.push_back(
                {UninstallAction::RemoveFolder, std::string(text.substr(kMadeDirPrefix.size()))});
        }
    }
    return steps;
}

std::vector<std::string> FoldersAboveProgram(const std::vector<UninstallStep>& steps,
                                             std::string_view programFolder,
                                             const SamePathFn& samePath) {
    std::vector<std::string> folders;
    for (const UninstallStep& step : steps) {
        if (step.action != UninstallAction::RemoveFolder || step.path.empty()) continue;
        std::string folder = step.path;
        if (folder.back() != '\\') folder += '\\';
        const bool holdsProgramFolder = folder.size() < programFolder.size() &&
                                        samePath(programFolder.substr(0, folder.size()), folder);
        const bool listed = std::ranges::any_of(
            folders, [&](const std::string& known) { return samePath(known, folder); });
        if (holdsProgramFolder && !listed) folders.push_back(std::move(folder));
    }
    // A longer path inside the program folder's chain is the deeper folder.
    std::ranges::stable_sort(folders, std::ranges::greater{}, &std::string::size);
    return folders;
}
