// What the destination page's folder list shows: the path from the root down to the current
// folder, then the current folder's subfolders.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace setup {

struct FolderItem {
    std::string Text;  // indented by level
    std::string Path;  // full path, no trailing "\" except for a drive root
    int Level = 0;
};

// Items for the current folder (a full path such as "C:\Program Files" or "C:\") and the
// names of its subfolders, which are sorted without regard to letter case.
std::vector<FolderItem> BuildFolderItems(const std::string& current,
                                         std::vector<std::string> subfolders);

// The path without a trailing "\" unless it is a drive root ("C:\"); "C:" becomes "C:\".
std::string NormalFolder(std::string path);

// The path itself when reachable, else the nearest reachable ancestor; empty when not even the
// drive root is reachable.
std::string NearestReachable(std::string path,
                             const std::function<bool(const std::string&)>& reachable);

// The same folder on another drive ("D:\Program Files" for drive 'D').
std::string OnDrive(const std::string& path, char drive);

}  // namespace setup
