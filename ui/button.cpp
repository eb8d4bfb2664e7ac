// Push button: BN_CLICKED runs the click, which sets the form's modal result first.
#include "ui/button.h"

#include "ui/form.h"

namespace ui {

DWORD Button::ButtonStyle(std::uint32_t flags) const {
    return (flags & flag::kDefault) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

bool Button::CreateWindowFor(HWND parent, int left, int top, int width, int height,
                             const std::string& caption, std::uint32_t flags, int id) {
    default_ = (flags & flag::kDefault) != 0;
    cancel_ = (flags & flag::kCancel) != 0;
    return CreateStandard("BUTTON", 0, BaseStyle(flags, true) | ButtonStyle(flags), caption.c_str(),
                          left, top, width, height, parent, id);
}

void Button::SetDefault(bool is_default) {
    default_ = is_default;
    if ((GetWindowLongPtrA(Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW) return;
    SendMessageA(Handle(), BM_SETSTYLE, is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void Button::Click() {
    if (modal_result_ != kMrNone) {
        if (Form* form = ParentForm()) form->SetModalResult(modal_result_);
    }
    Control::Click();
}

bool Button::ReflectedMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg == WM_COMMAND && (HIWORD(wp) == BN_CLICKED || HIWORD(wp) == BN_DOUBLECLICKED)) {
        Click();
        result = 0;
        return true;
    }
    return false;
}

}  // namespace ui
