// Drop-down list over the system COMBOBOX (CBS_DROPDOWNLIST).
#include "ui/combo_box.h"

namespace ui {
namespace {
// Items the opened list shows without scrolling.
constexpr int kDropItems = 8;
}  // namespace

bool ComboBox::CreateWindowFor(HWND parent, int left, int top, int width, int height,
                               const std::string&, std::uint32_t flags, int id) {
    DWORD style = BaseStyle(flags, true) | CBS_DROPDOWNLIST | WS_VSCROLL;
    if (flags & flag::kOwnerDraw) style |= CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    // The window height of a combo box includes its opened list.
    return CreateStandard("COMBOBOX", 0, style, "", left, top, width, height * (kDropItems + 1),
                          parent, id);
}

void ComboBox::Clear() { SendMessageA(Handle(), CB_RESETCONTENT, 0, 0); }

int ComboBox::Add(const std::string& text, LPARAM data) {
    const int i = static_cast<int>(
        SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    if (i >= 0) SendMessageA(Handle(), CB_SETITEMDATA, static_cast<WPARAM>(i), data);
    return i;
}

int ComboBox::Count() const { return static_cast<int>(SendMessageA(Handle(), CB_GETCOUNT, 0, 0)); }

std::string ComboBox::ItemText(int index) const {
    const LRESULT n = SendMessageA(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (n == CB_ERR) return {};
    std::string s(static_cast<std::size_t>(n) + 1, '\0');
    SendMessageA(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<std::size_t>(n));
    return s;
}

LPARAM ComboBox::ItemData(int index) const {
    return SendMessageA(Handle(), CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
}

int ComboBox::ItemIndex() const {
    return static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
}

void ComboBox::SetItemIndex(int index) {
    SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
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
    if (msg == WM_DRAWITEM && OnDrawItem) {
        const auto& di = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        OnDrawItem(*this, DrawItemArgs{di.hDC, di.rcItem, static_cast<int>(di.itemID),
                                       (di.itemState & ODS_SELECTED) != 0,
                                       (di.itemState & ODS_FOCUS) != 0});
        result = TRUE;
        return true;
    }
    return false;
}

}  // namespace ui
