// Child control base: creation from layout flags, geometry, state, font and hint plumbing.
#include "ui/control.h"

#include "ui/application.h"
#include "ui/form.h"

namespace ui {

Control::Control() { track_mouse_ = true; }

Control::~Control() { Application::Instance().ControlPointerLeft(this); }

bool Control::ReflectParentBackground(UINT msg, WPARAM wp, LRESULT& result) const {
    if (msg != WM_CTLCOLORSTATIC && msg != WM_CTLCOLORBTN) return false;
    Window* parent = Window::FromHandle(GetParent(Handle()));
    if (!parent || !parent->BackgroundBrush()) return false;
    SetBkColor(reinterpret_cast<HDC>(wp), parent->BackgroundColor());
    result = reinterpret_cast<LRESULT>(parent->BackgroundBrush());
    return true;
}

DWORD Control::BaseStyle(std::uint32_t flags, bool tab_stop) {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    if (!(flags & flag::kHidden)) style |= WS_VISIBLE;
    if (flags & flag::kDisabled) style |= WS_DISABLED;
    if (tab_stop && !(flags & flag::kNoTabStop)) style |= WS_TABSTOP;
    return style;
}

bool Control::Create(HWND parent, int left, int top, int width, int height,
                     const std::string& caption, std::uint32_t flags, int id) {
    id_ = id;
    flags_ = flags;
    if (flags & flag::kShowHint) show_hint_ = true;
    const int window_id = id ? id + kControlIdBase : 0;
    if (!CreateWindowFor(parent, left, top, width, height, caption, flags, window_id)) return false;
    if (Form* form = ParentForm()) inherited_font_ = form->Font();
    ApplyFont();
    AfterCreate();
    return true;
}

RECT Control::Bounds() const {
    RECT r{};
    if (!Handle()) return r;
    GetWindowRect(Handle(), &r);
    MapWindowPoints(nullptr, GetParent(Handle()), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int Control::Width() const {
    RECT r = Bounds();
    return r.right - r.left;
}

int Control::Height() const {
    RECT r = Bounds();
    return r.bottom - r.top;
}

void Control::SetBounds(int left, int top, int width, int height) {
    SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::SetWidth(int w) {
    RECT r = Bounds();
    SetBounds(r.left, r.top, w, r.bottom - r.top);
}

void Control::SetHeight(int h) {
    RECT r = Bounds();
    SetBounds(r.left, r.top, r.right - r.left, h);
}

void Control::SetVisible(bool visible) { ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE); }

bool Control::Visible() const {
    return Handle() && (GetWindowLongPtrA(Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::SetEnabled(bool enabled) { EnableWindow(Handle(), enabled ? TRUE : FALSE); }

bool Control::Enabled() const { return Handle() && IsWindowEnabled(Handle()); }

void Control::SetCaption(const std::string& caption) { SetWindowTextA(Handle(), caption.c_str()); }

std::string Control::Caption() const {
    const int n = GetWindowTextLengthA(Handle());
    std::string s(static_cast<std::size_t>(n) + 1, '\0');
    const int got = GetWindowTextA(Handle(), s.data(), n + 1);
    s.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return s;
}

void Control::SetFont(const FontSpec& desc) {
    font_ = CreateUiFont(desc);
    ApplyFont();
}

void Control::SetFont(const std::string& name, int height, bool bold) {
    SetFont(FontSpec{name, height, bold});
}

void Control::SetFontBold(bool bold) {
    LOGFONTA lf{};
    HFONT current = Font() ? Font() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    GetObjectA(current, sizeof lf, &lf);
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font_.Reset(CreateFontIndirectA(&lf));
    ApplyFont();
}

void Control::SetInheritedFont(HFONT font) {
    inherited_font_ = font;
    if (!font_) ApplyFont();
}

void Control::ApplyFont() {
    if (Handle() && Font())
        SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
}

void Control::SetFocus() { ::SetFocus(Handle()); }

bool Control::Focused() const { return Handle() && GetFocus() == Handle(); }

void Control::Repaint() {
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateWindow(Handle());
}

void Control::Invalidate() { InvalidateRect(Handle(), nullptr, TRUE); }

Form* Control::ParentForm() const {
    if (!Handle()) return nullptr;
    return dynamic_cast<Form*>(Window::FromHandle(GetAncestor(Handle(), GA_ROOT)));
}

void Control::Click() {
    if (OnClick) OnClick(*this);
}

LRESULT Control::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (OnKeyDown && OnKeyDown(*this, static_cast<WORD>(wp), CurrentShiftState())) return 0;
            break;
        case CM_MOUSEENTER:
            if (show_hint_ && !hint_.empty()) Application::Instance().ControlPointerEntered(this);
            return 0;
        case CM_MOUSELEAVE:
            Application::Instance().ControlPointerLeft(this);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            Application::Instance().CancelHint();
            break;
        default:
            break;
    }
    return Window::WndProc(msg, wp, lp);
}

}  // namespace ui
