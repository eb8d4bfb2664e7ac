// Pop-up menu tracked modally at a point; the chosen item's callback runs afterwards.
#include "ui/popup_menu.h"

namespace ui {

PopupMenu::PopupMenu() : menu_(CreatePopupMenu()) {}

void PopupMenu::AddItem(int id, const std::string& caption, std::function<void()> on_click) {
    AppendMenuA(menu_.Get(), MF_STRING, static_cast<UINT_PTR>(id), caption.c_str());
    items_.push_back(Item{id, std::move(on_click)});
}

void PopupMenu::AddSeparator() { AppendMenuA(menu_.Get(), MF_SEPARATOR, 0, nullptr); }

void PopupMenu::SetDefaultItem(int id) {
    SetMenuDefaultItem(menu_.Get(), static_cast<UINT>(id), FALSE);
}

void PopupMenu::SetEnabled(int id, bool enabled) {
    EnableMenuItem(menu_.Get(), static_cast<UINT>(id),
                   MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

int PopupMenu::Popup(HWND owner, int x, int y, bool foreground_first) {
    if (foreground_first) SetForegroundWindow(owner);
    const int id = static_cast<int>(
        TrackPopupMenu(menu_.Get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                       x, y, 0, owner, nullptr));
    if (id == 0) return 0;
    for (const Item& item : items_) {
        if (item.id == id) {
            if (item.on_click) item.on_click();
            break;
        }
    }
    return id;
}

}  // namespace ui
