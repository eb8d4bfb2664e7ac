// Radio button: our own group logic (siblings of one parent), so that a programmatic check
// behaves exactly like a click.
#include "ui/radio_button.h"

namespace ui {

bool RadioButton::CreateWindowFor(HWND parent, int left, int top, int width, int height,
                                  const std::string& caption, std::uint32_t flags, int id) {
    // BS_RADIOBUTTON, not the automatic kind: the click runs through SetChecked.
    const bool ok = CreateStandard("BUTTON", 0, BaseStyle(flags, true) | BS_RADIOBUTTON,
                                   caption.c_str(), left, top, width, height, parent, id);
    if (ok && (flags & flag::kChecked)) SetState(true);
    return ok;
}

void RadioButton::SetState(bool checked) {
    checked_ = checked;
    SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void RadioButton::SetChecked(bool checked) {
    if (checked == checked_) return;
    SetState(checked);
    if (!checked) return;
    HWND parent = GetParent(Handle());
    for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == Handle()) continue;
        if (auto* sibling = dynamic_cast<RadioButton*>(Window::FromHandle(w)))
            if (sibling->checked_) sibling->SetState(false);
    }
    Control::Click();
}

bool RadioButton::ReflectedMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg == WM_COMMAND && (HIWORD(wp) == BN_CLICKED || HIWORD(wp) == BN_DOUBLECLICKED)) {
        SetChecked(true);
        result = 0;
        return true;
    }
    return ReflectParentBackground(msg, wp, result);
}

}  // namespace ui
