// The destination page's folder list: the current drive's path down to the current folder,
// then its subfolders; opening an entry (double click or Enter) makes it current.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "setup/folder_tree.h"
#include "ui/list_box.h"

namespace setup {

class TDirectoryListBox {
  public:
    // Drives the list box of the form's layout (made with kWantReturn, so Enter opens).
    explicit TDirectoryListBox(ui::ListBox& list);
    TDirectoryListBox(const TDirectoryListBox&) = delete;
    TDirectoryListBox& operator=(const TDirectoryListBox&) = delete;

    // Shows the folder, or its nearest existing ancestor; raises no change.
    void SetDirectory(const std::string& path);
    // No trailing backslash except for a drive root.
    const std::string& Directory() const { return dir_; }
    char Drive() const { return dir_.size() >= 2 && dir_[1] == ':' ? dir_[0] : '\0'; }
    // The same path on the new drive when it exists there, else that drive's current folder;
    // raises the change.
    void SetDrive(char drive);

    std::function<void()> OnChange;

  private:
    void Open(int index);
    void Refill();

    ui::ListBox& list_;
    std::string dir_;
    std::vector<FolderItem> items_;
};

}  // namespace setup
