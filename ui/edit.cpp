// Single-line edit box.
#include "ui/edit.h"

namespace ui {

bool Edit::CreateWindowFor(HWND parent, int left, int top, int width, int height,
                           const std::string& caption, std::uint32_t flags, int id) {
    DWORD style = BaseStyle(flags, true) | ES_AUTOHSCROLL;
    if (flags & flag::kReadOnly) style |= ES_READONLY;
    return CreateStandard("EDIT", WS_EX_CLIENTEDGE, style, caption.c_str(), left, top, width,
                          height, parent, id);
}

void Edit::SetReadOnly(bool read_only) {
    SendMessageA(Handle(), EM_SETREADONLY, read_only ? TRUE : FALSE, 0);
}

bool Edit::ReadOnly() const { return (GetWindowLongPtrA(Handle(), GWL_STYLE) & ES_READONLY) != 0; }

void Edit::SelectAll() { SendMessageA(Handle(), EM_SETSEL, 0, -1); }

bool Edit::ReflectedMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg == WM_COMMAND && HIWORD(wp) == EN_CHANGE) {
        if (OnChange) OnChange(*this);
        result = 0;
        return true;
    }
    return false;
}

}  // namespace ui
