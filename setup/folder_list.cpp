// Filling the folder list from the file system and following the user through it.
#include "setup/folder_list.h"

#include <windows.h>

#include "common/paths.h"

namespace setup {
namespace {

std::vector<std::string> Subfolders(const std::string& dir) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data{};
    const std::string pattern = (dir.size() == 3 ? dir : dir + "\\") + "*";
    HANDLE find = FindFirstFileA(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::string name = data.cFileName;
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            !(data.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) && name != "." && name != "..") {
            names.push_back(name);
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return names;
}

std::string CurrentFolderOfDrive(char drive) {
    const char driveOnly[] = {drive, ':', '\0'};
    char buf[MAX_PATH + 1] = {};
    const DWORD n = GetFullPathNameA(driveOnly, sizeof buf, buf, nullptr);
    return n > 0 && n < sizeof buf ? std::string(buf, n) : std::string(driveOnly) + "\\";
}

}  // namespace

TDirectoryListBox::TDirectoryListBox(ui::ListBox& list) : list_(list) {
    list_.OnDblClick = [this](ui::Control&) { Open(list_.ItemIndex()); };
    list_.OnKeyDown = [this](ui::Control&, WORD key, unsigned) {
        if (key != VK_RETURN) {
            return false;
        }
        Open(list_.ItemIndex());
        return true;
    };
}

void TDirectoryListBox::SetDirectory(const std::string& path) {
    std::string found =
        NearestReachable(path, [](const std::string& p) { return DirectoryIsReachable(p); });
    if (found.empty()) {
        char buf[MAX_PATH + 1] = {};
        GetCurrentDirectoryA(sizeof buf, buf);
        found = NormalFolder(buf);
    }
    dir_ = found;
    Refill();
}

void TDirectoryListBox::SetDrive(char drive) {
    if (drive == '\0' || toupper(static_cast<unsigned char>(drive)) ==
                             toupper(static_cast<unsigned char>(Drive()))) {
        return;
    }
    const std::string same = OnDrive(dir_, drive);
    SetDirectory(DirectoryIsReachable(same) ? same : CurrentFolderOfDrive(drive));
    if (OnChange) {
        OnChange();
    }
}

void TDirectoryListBox::Open(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) {
        return;
    }
    SetDirectory(items_[static_cast<size_t>(index)].Path);
    if (OnChange) {
        OnChange();
    }
}

void TDirectoryListBox::Refill() {
    items_ = BuildFolderItems(dir_, Subfolders(dir_));
    list_.Clear();
    int current = 0;
    for (size_t i = 0; i < items_.size(); ++i) {
        list_.Add(items_[i].Text);
        if (items_[i].Path == dir_) {
            current = static_cast<int>(i);
        }
    }
    list_.SetItemIndex(current);
}

}  // namespace setup
