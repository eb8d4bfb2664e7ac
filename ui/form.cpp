// Form: window creation, geometry, font, showing, the close sequence and modal showing.
#include "ui/form.h"

#include "ui/application.h"
#include "ui/dpi.h"
#include "ui/radio_button.h"

namespace ui {
namespace {

constexpr int kDesignDpi = 96;

DWORD FrameStyle(BorderStyle border, unsigned icons) {
    DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    switch (border) {
        case BorderStyle::None:
            style |= WS_POPUP;
            break;
        case BorderStyle::Single:
            style |= WS_CAPTION;
            break;
        case BorderStyle::Dialog:
            style |= WS_CAPTION | DS_MODALFRAME;
            break;
        case BorderStyle::Sizeable:
            style |= WS_CAPTION | WS_THICKFRAME;
            break;
    }
    if (border != BorderStyle::None) {
        if (icons & icon::kSystemMenu) style |= WS_SYSMENU;
        if (icons & icon::kMinimize) style |= WS_MINIMIZEBOX;
        if (icons & icon::kMaximize) style |= WS_MAXIMIZEBOX;
    }
    return style;
}

constexpr DWORD kFrameMask = WS_POPUP | WS_CAPTION | WS_THICKFRAME | DS_MODALFRAME;

BOOL CALLBACK RefontOne(HWND wnd, LPARAM lp) {
    if (auto* c = dynamic_cast<Control*>(Window::FromHandle(wnd)))
        c->SetInheritedFont(reinterpret_cast<HFONT>(lp));
    return TRUE;
}

}  // namespace

Form::Form() : color_(GetSysColor(COLOR_BTNFACE)), brush_(CreateSolidBrush(color_)) {}

Form::~Form() {
    Application& app = Application::Instance();
    if (app.MainForm() == this) app.SetMainForm(nullptr);
    app.RemoveForm(this);
    // The controls must still be alive while their windows go.
    if (Handle()) DestroyHandle();
}

int Form::Scale(int n) const { return scaled_ ? MulDiv(n, dpi_, kDesignDpi) : n; }

bool Form::Create(const FormDesign& design, std::span<const ControlSpec> layout) {
    dpi_ = ScreenDpi();
    scaled_ = design.scaled;
    key_preview_ = design.key_preview;
    font_spec_ = design.font;
    if (design.use_default_font_name) font_spec_.name = DefaultFontName();
    if (scaled_) font_spec_.height = Scale(font_spec_.height);
    font_ = CreateUiFont(font_spec_);
    if (design.color != CLR_INVALID) {
        color_ = design.color;
        brush_.Reset(CreateSolidBrush(color_));
    }

    const DWORD style = FrameStyle(design.border, design.border_icons);
    DWORD ex = 0;
    if (design.stay_on_top) ex |= WS_EX_TOPMOST;
    if (design.tool_window) ex |= WS_EX_TOOLWINDOW;
    if (design.border == BorderStyle::Dialog) ex |= WS_EX_DLGMODALFRAME;
    RECT r{0, 0, Scale(design.client_width), Scale(design.client_height)};
    AdjustWindowRectEx(&r, style, FALSE, ex);
    const int w = r.right - r.left, h = r.bottom - r.top;
    int x = Scale(design.left), y = Scale(design.top);
    if (design.position == FormPosition::ScreenCenter) {
        x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
        y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
    }
    Application& app = Application::Instance();
    HWND owner = design.owner ? design.owner : app.Handle();
    if (!CreateOwn(OwnClass(design.class_name, CS_DBLCLKS), ex | WS_EX_CONTROLPARENT, style,
                   design.caption, x, y, w, h, owner, nullptr))
        return false;
    app.AddForm(this);
    OnCreateHandle();
    AddControls(layout);
    return true;
}

void Form::AddControls(std::span<const ControlSpec> layout) {
    for (const ControlSpec& desc : layout) {
        HWND parent = Handle();
        if (desc.parent != kFormParent) {
            Control* p = FindControl(desc.parent);
            if (!p) continue;  // a parent row must come first
            parent = p->Handle();
        }
        Control* c = MakeControl(desc);
        c->SetName(desc.name ? desc.name : "");
        c->Create(parent, Scale(desc.left), Scale(desc.top), Scale(desc.width), Scale(desc.height),
                  desc.caption ? desc.caption : "", desc.flags, desc.id);
        // Arrow keys move within a run of radio buttons; every other control starts a group.
        const bool radio = desc.kind == ControlKind::RadioButton;
        bool starts_group = !radio;
        if (radio) {
            HWND prev = GetWindow(c->Handle(), GW_HWNDPREV);
            starts_group = !prev || !dynamic_cast<RadioButton*>(Window::FromHandle(prev));
        }
        if (starts_group && c->Handle())
            SetWindowLongPtrA(c->Handle(), GWL_STYLE,
                              GetWindowLongPtrA(c->Handle(), GWL_STYLE) | WS_GROUP);
        controls_.push_back(c);
        if (auto* b = dynamic_cast<Button*>(c)) {
            if (desc.flags & flag::kDefault) default_button_ = b;
            if (desc.flags & flag::kCancel) cancel_button_ = b;
        }
    }
}

void Form::Destroy() { DestroyHandle(); }

Control* Form::FindControl(int id) const {
    for (Control* c : controls_)
        if (c->Id() == id) return c;
    return nullptr;
}

Control* Form::FindControl(const std::string& name) const {
    for (Control* c : controls_)
        if (c->Name() == name) return c;
    return nullptr;
}

void Form::SetCaption(const std::string& caption) { SetWindowTextA(Handle(), caption.c_str()); }

std::string Form::Caption() const {
    char buf[512] = {};
    GetWindowTextA(Handle(), buf, sizeof buf);
    return buf;
}

void Form::SetColor(COLORREF color) {
    color_ = color;
    brush_.Reset(CreateSolidBrush(color));
    InvalidateRect(Handle(), nullptr, TRUE);
}

void Form::SetFont(const FontSpec& desc) {
    font_spec_ = desc;
    FontHandle next = CreateUiFont(desc);
    EnumChildWindows(Handle(), RefontOne, reinterpret_cast<LPARAM>(next.Get()));
    font_ = std::move(next);  // the old font goes only after no control uses it
}

void Form::SetFontName(const std::string& name) {
    FontSpec desc = font_spec_;
    desc.name = name;
    SetFont(desc);
}

void Form::SetBorderStyle(BorderStyle border) {
    const LONG_PTR old = GetWindowLongPtrA(Handle(), GWL_STYLE);
    const unsigned icons = ((old & WS_SYSMENU) ? icon::kSystemMenu : 0) |
                           ((old & WS_MINIMIZEBOX) ? icon::kMinimize : 0) |
                           ((old & WS_MAXIMIZEBOX) ? icon::kMaximize : 0);
    LONG_PTR style =
        (old & ~static_cast<LONG_PTR>(kFrameMask | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) |
        FrameStyle(border, icons);
    SetWindowLongPtrA(Handle(), GWL_STYLE, style);
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Form::SetBounds(int left, int top, int width, int height) {
    SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT Form::Bounds() const {
    RECT r{};
    GetWindowRect(Handle(), &r);
    return r;
}

int Form::ClientWidth() const {
    RECT r{};
    GetClientRect(Handle(), &r);
    return r.right;
}

int Form::ClientHeight() const {
    RECT r{};
    GetClientRect(Handle(), &r);
    return r.bottom;
}

void Form::SetClientSize(int width, int height) {
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_EXSTYLE)));
    SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::CenterOnScreen() {
    RECT r = Bounds();
    const int w = r.right - r.left, h = r.bottom - r.top;
    SetBounds((GetSystemMetrics(SM_CXSCREEN) - w) / 2, (GetSystemMetrics(SM_CYSCREEN) - h) / 2, w,
              h);
}

void Form::Show() {
    ShowWindow(Handle(), SW_SHOWNORMAL);
    BringWindowToTop(Handle());
}

void Form::ShowMaximized() { ShowWindow(Handle(), SW_SHOWMAXIMIZED); }

void Form::Hide() { ShowWindow(Handle(), SW_HIDE); }

void Form::SetEnabled(bool enabled) { EnableWindow(Handle(), enabled ? TRUE : FALSE); }

bool Form::Enabled() const { return Handle() && IsWindowEnabled(Handle()); }

bool Form::Visible() const { return Handle() && IsWindowVisible(Handle()); }

void Form::SetActiveControl(Control* c) {
    focus_ = c ? c->Handle() : nullptr;
    if (Visible()) ::SetFocus(c ? c->Handle() : Handle());
}

Control* Form::ActiveControl() const {
    HWND f = GetFocus();
    if (!f || !IsChild(Handle(), f)) return nullptr;
    return dynamic_cast<Control*>(Window::FromHandle(f));
}

bool Form::PreviewKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    const WORD key = static_cast<WORD>(msg.wParam);
    const unsigned shift = CurrentShiftState();
    if (key_preview_ && OnKeyDown && OnKeyDown(*this, key, shift)) return true;
    if (msg.message != WM_KEYDOWN) return false;
    if (key == VK_RETURN && !(shift & (kCtrl | kAlt))) {
        auto* focused = dynamic_cast<Control*>(Window::FromHandle(GetFocus()));
        if (focused && focused->WantsReturn()) return false;
        if (focused && focused->IsPushButton() && focused->Enabled()) {
            focused->Click();
            return true;
        }
        if (default_button_ && default_button_->Visible() && default_button_->Enabled()) {
            default_button_->Click();
            return true;
        }
        return false;
    }
    if (key == VK_ESCAPE && shift == kNoShift && cancel_button_ && cancel_button_->Visible() &&
        cancel_button_->Enabled()) {
        cancel_button_->Click();
        return true;
    }
    return false;
}

void Form::OnShowWindow(bool shown) {
    if (shown && OnShow) OnShow(*this);
    if (!shown && OnHide) OnHide(*this);
}

void Form::OnActivate(WPARAM wp) {
    if (LOWORD(wp) == WA_INACTIVE) {
        HWND f = GetFocus();
        if (f && IsChild(Handle(), f)) focus_ = f;
    }
}

LRESULT Form::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CLOSE:
            Close();
            return 0;
        case WM_SHOWWINDOW:
            OnShowWindow(wp != 0);
            break;
        case WM_ACTIVATE:
            OnActivate(wp);
            if (LOWORD(wp) != WA_INACTIVE && focus_ && IsWindow(focus_) &&
                IsChild(Handle(), focus_)) {
                ::SetFocus(focus_);
                return 0;
            }
            break;
        case WM_TIMER:
            if (OnTimer) {
                OnTimer(*this, static_cast<UINT_PTR>(wp));
                return 0;
            }
            break;
        case WM_COMMAND:
            // Commands without a control (the dialog manager's IDOK/IDCANCEL) mean nothing here.
            if (lp == 0) return 0;
            break;
        default:
            break;
    }
    return Window::WndProc(msg, wp, lp);
}

void Form::OnDestroy() {
    destroying_ = true;
    OnDestroyHandle();
    Application::Instance().RemoveForm(this);
}

bool Form::OnEraseBackground(HDC dc, LRESULT& result) {
    RECT r{};
    GetClientRect(Handle(), &r);
    FillRect(dc, &r, brush_.Get());
    result = 1;
    return true;
}

}  // namespace ui
