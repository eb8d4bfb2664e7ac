// Drop-down list over the system COMBOBOX (CBS_DROPDOWNLIST).
#include "ui/combo_box.h"

namespace ui {
namespace {
// Items the opened list shows without scrolling.
constexpr int kDropItems = 8;

constexpr ItemListMessages kComboBoxMessages = {
    CB_RESETCONTENT, CB_ADDSTRING,   CB_SETITEMDATA, CB_GETCOUNT,  CB_GETLBTEXTLEN,
    CB_GETLBTEXT,    CB_GETITEMDATA, CB_GETCURSEL,   CB_SETCURSEL, CB_ERR,
};
}  // namespace

ComboBox::ComboBox() : ItemList(kComboBoxMessages) {}

bool ComboBox::CreateWindowFor(HWND parent, int left, int top, int width, int height,
                               const std::string&, std::uint32_t flags, int id) {
    DWORD style = BaseStyle(flags, true) | CBS_DROPDOWNLIST | WS_VSCROLL;
    if (flags & flag::kOwnerDraw) style |= CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    // The window height of a combo box includes its opened list.
    return CreateStandard("COMBOBOX", 0, style, "", left, top, width, height * (kDropItems + 1),
                          parent, id);
}

void ComboBox::SetItemHeight(int height) {
    SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, height);  // the list's items
}

bool ComboBox::ReflectedMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_COMMAND) {
        if (HIWORD(wp) == CBN_SELCHANGE && OnChange) OnChange(*this);
        result = 0;
        return true;
    }
    return msg == WM_DRAWITEM && ReflectDrawItem(lp, result);
}

}  // namespace ui
