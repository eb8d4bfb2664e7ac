// The item requests shared by the system LISTBOX and COMBOBOX.
#include "ui/item_list.h"

namespace ui {

void ItemList::Clear() { SendMessageA(Handle(), messages_.resetContent, 0, 0); }

int ItemList::Add(const std::string& text, LPARAM data) {
    const int i = static_cast<int>(
        SendMessageA(Handle(), messages_.addString, 0, reinterpret_cast<LPARAM>(text.c_str())));
    if (i >= 0) SendMessageA(Handle(), messages_.setItemData, static_cast<WPARAM>(i), data);
    return i;
}

int ItemList::Count() const {
    return static_cast<int>(SendMessageA(Handle(), messages_.getCount, 0, 0));
}

std::string ItemList::ItemText(int index) const {
    const LRESULT n = SendMessageA(Handle(), messages_.getTextLen, static_cast<WPARAM>(index), 0);
    if (n == messages_.error) return {};
    std::string s(static_cast<std::size_t>(n) + 1, '\0');
    SendMessageA(Handle(), messages_.getText, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<std::size_t>(n));
    return s;
}

LPARAM ItemList::ItemData(int index) const {
    return SendMessageA(Handle(), messages_.getItemData, static_cast<WPARAM>(index), 0);
}

int ItemList::ItemIndex() const {
    return static_cast<int>(SendMessageA(Handle(), messages_.getCurSel, 0, 0));
}

void ItemList::SetItemIndex(int index) {
    SendMessageA(Handle(), messages_.setCurSel, static_cast<WPARAM>(index), 0);
}

bool ItemList::ReflectDrawItem(LPARAM lp, LRESULT& result) {
    if (!OnDrawItem) return false;
    const auto& di = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    OnDrawItem(*this,
               DrawItemArgs{di.hDC, di.rcItem, static_cast<int>(di.itemID),
                            (di.itemState & ODS_SELECTED) != 0, (di.itemState & ODS_FOCUS) != 0});
    result = TRUE;
    return true;
}

}  // namespace ui
