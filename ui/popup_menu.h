// Pop-up menu: items with captions ("&Options..."), a bold default item, tracked at a point.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/handles.h"

namespace ui {

class PopupMenu {
  public:
    PopupMenu();

    // Ids are the caller's (1 and up); on choice the item's callback runs.
    void AddItem(int id, const std::string& caption, std::function<void()> on_click = {});
    void AddSeparator();
    void SetDefaultItem(int id);
    void SetEnabled(int id, bool enabled);
    HMENU Handle() const { return menu_.Get(); }

    // Shows the menu at screen point (x, y) for owner and runs modally until an item is chosen
    // or the menu is dismissed; makes owner the foreground window first when asked (a menu of
    // a hidden window does not close otherwise). Returns the chosen id, 0 for none.
    int Popup(HWND owner, int x, int y, bool foreground_first = true);

  private:
    struct Item {
        int id;
        std::function<void()> on_click;
    };
    MenuHandle menu_;
    std::vector<Item> items_;
};

}  // namespace ui
