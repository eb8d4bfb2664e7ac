// Single-select list box over the system LISTBOX.
#include "ui/list_box.h"

namespace ui {
namespace {
constexpr ItemListMessages kListBoxMessages = {
    LB_RESETCONTENT, LB_ADDSTRING,   LB_SETITEMDATA, LB_GETCOUNT,  LB_GETTEXTLEN,
    LB_GETTEXT,      LB_GETITEMDATA, LB_GETCURSEL,   LB_SETCURSEL, LB_ERR,
};
}  // namespace

ListBox::ListBox() : ItemList(kListBoxMessages) {}

bool ListBox::CreateWindowFor(HWND parent, int left, int top, int width, int height,
                              const std::string&, std::uint32_t flags, int id) {
    want_return_ = (flags & flag::kWantReturn) != 0;
    DWORD style = BaseStyle(flags, true) | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    if (flags & flag::kOwnerDraw) style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
    return CreateStandard("LISTBOX", WS_EX_CLIENTEDGE, style, "", left, top, width, height, parent,
                          id);
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
    return msg == WM_DRAWITEM && ReflectDrawItem(lp, result);
}

}  // namespace ui
