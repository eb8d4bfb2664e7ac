// Folder list items and the climb to the nearest existing folder.
#include "setup/folder_tree.h"

#include <algorithm>

#include "setup/ansi_case.h"

namespace setup {
namespace {

constexpr int kIndent = 2;  // blanks per level

// "C:\" and the parts after it.
std::vector<std::string> SplitFolder(const std::string& path) {
    std::vector<std::string> parts;
    const std::string normal = NormalFolder(path);
    const size_t rootEnd = normal.size() >= 3 && normal[1] == ':' ? 3 : 0;
    parts.push_back(normal.substr(0, rootEnd));
    size_t pos = rootEnd;
    while (pos < normal.size()) {
        size_t end = normal.find('\\', pos);
        if (end == std::string::npos) {
            end = normal.size();
        }
        if (end > pos) {
            parts.push_back(normal.substr(pos, end - pos));
        }
        pos = end + 1;
    }
    return parts;
}

}  // namespace

std::string NormalFolder(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    if (path.size() == 2 && path[1] == ':') {
        return path + "\\";
    }
    while (path.size() > 3 && path.back() == '\\') {
        path.pop_back();
    }
    return path;
}

std::vector<FolderItem> BuildFolderItems(const std::string& current,
                                         std::vector<std::string> subfolders) {
    std::vector<FolderItem> items;
    std::string path;
    int level = 0;
    for (const std::string& part : SplitFolder(current)) {
        path = level == 0 ? part : (level == 1 ? path + part : path + "\\" + part);
        items.push_back(
            {std::string(static_cast<size_t>(level * kIndent), ' ') + part, path, level});
        ++level;
    }
    std::sort(subfolders.begin(), subfolders.end(), [](const std::string& a, const std::string& b) {
        return AnsiUpper(a) < AnsiUpper(b);
    });
    const std::string base = items.empty() ? std::string() : items.back().Path;
    for (const std::string& name : subfolders) {
        const std::string sub = base.size() == 3 ? base + name : base + "\\" + name;
        items.push_back(
            {std::string(static_cast<size_t>(level * kIndent), ' ') + name, sub, level});
    }
    return items;
}

std::string NearestReachable(std::string path,
                             const std::function<bool(const std::string&)>& reachable) {
    path = NormalFolder(path);
    for (;;) {
        if (!path.empty() && reachable(path)) {
            return path;
        }
        const size_t cut = path.find_last_of('\\');
        if (path.empty() || cut == std::string::npos || path.size() <= 3) {
            return {};
        }
        path = NormalFolder(path.substr(0, cut + 1));
    }
}

std::string OnDrive(const std::string& path, char drive) {
    const std::string normal = NormalFolder(path);
    const std::string rest = normal.size() >= 2 && normal[1] == ':' ? normal.substr(2) : "\\";
    return std::string(1, drive) + ":" + (rest.empty() ? "\\" : rest);
}

}  // namespace setup
