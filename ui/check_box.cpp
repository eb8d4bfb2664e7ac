// Check box (BS_AUTOCHECKBOX); multi-line captions break at "\r" and sit at the top.
#include "ui/check_box.h"

#include "ui/text.h"

namespace ui {

bool CheckBox::CreateWindowFor(HWND parent, int left, int top, int width, int height,
                               const std::string& caption, std::uint32_t flags, int id) {
    DWORD style = BaseStyle(flags, true) | BS_AUTOCHECKBOX;
    if (flags & flag::kMultiLine) style |= BS_MULTILINE | BS_TOP;
    const bool ok = CreateStandard("BUTTON", 0, style, NormalizeLineBreaks(caption).c_str(), left,
                                   top, width, height, parent, id);
    if (ok && (flags & flag::kChecked)) SendMessageA(Handle(), BM_SETCHECK, BST_CHECKED, 0);
    return ok;
}

bool CheckBox::Checked() const { return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) {
    if (checked == Checked()) return;
    SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    Click();
}

bool CheckBox::ReflectedMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
        Click();
        result = 0;
        return true;
    }
    return ReflectParentBackground(msg, wp, result);
}

}  // namespace ui
