// Single-select list box over the system LISTBOX.
#include "ui/list_box.h"

namespace ui {

bool ListBox::CreateWindowFor(HWND parent, int left, int top, int width, int height,
                              const std::string&, std::uint32_t flags, int id) {
    want_return_ = (flags & flag::kWantReturn) != 0;
    DWORD style = BaseStyle(flags, true) | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    if (flags & flag::kOwnerDraw) style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
    return CreateStandard("LISTBOX", WS_EX_CLIENTEDGE, style, "", left, top, width, height, parent,
                          id);
}

void ListBox::Clear() { SendMessageA(Handle(), LB_RESETCONTENT, 0, 0); }

int ListBox::Add(const std::string& text, LPARAM data) {
    const int i = static_cast<int>(
        SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    if (i >= 0) SendMessageA(Handle(), LB_SETITEMDATA, static_cast<WPARAM>(i), data);
    return i;
}

int ListBox::Count() const { return static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0)); }

std::string ListBox::ItemText(int index) const {
    const LRESULT n = SendMessageA(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (n == LB_ERR) return {};
    std::string s(static_cast<std::size_t>(n) + 1, '\0');
    SendMessageA(Handle(), LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<std::size_t>(n));
    return s;
}

LPARAM ListBox::ItemData(int index) const {
    return SendMessageA(Handle(), LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
}

int ListBox::ItemIndex() const {
    return static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0));
}

void ListBox::SetItemIndex(int index) {
    SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ListBox::SetItemHeight(int height) {
    SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, MAKELPARAM(height, 0));
    Invalidate();
}

int ListBox::TopIndex() const {
    return static_cast<int>(SendMessageA(Handle(), LB_GETTOPINDEX, 0, 0));
}

void ListBox::SetTopIndex(int index) {
    SendMessageA(Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}

bool ListBox::ReflectedMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_COMMAND) {
        const WORD code = HIWORD(wp);
        if (code == LBN_SELCHANGE && OnChange) OnChange(*this);
        if (code == LBN_DBLCLK && OnDblClick) OnDblClick(*this);
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
