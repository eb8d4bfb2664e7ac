// Label: a STATIC control whose colours come from the reflected WM_CTLCOLORSTATIC.
#include "ui/label.h"

#include "ui/text.h"

namespace ui {

bool Label::CreateWindowFor(HWND parent, int left, int top, int width, int height,
                            const std::string& caption, std::uint32_t flags, int id) {
    caption_ = caption;
    transparent_ = (flags & flag::kTransparent) != 0;
    auto_size_ = (flags & flag::kAutoSize) != 0;
    DWORD style =
        BaseStyle(flags, false) | ((flags & flag::kWordWrap) ? SS_LEFT : SS_LEFTNOWORDWRAP);
    return CreateStandard("STATIC", 0, style, NormalizeLineBreaks(caption).c_str(), left, top,
                          width, height, parent, id);
}

void Label::AfterCreate() {
    if (auto_size_) FitToText();
}

void Label::ApplyFont() {
    Control::ApplyFont();
    if (auto_size_) FitToText();
}

void Label::SetCaption(const std::string& caption) {
    caption_ = caption;
    Control::SetCaption(NormalizeLineBreaks(caption));
    if (auto_size_) FitToText();
}

void Label::SetTextColor(COLORREF color) {
    text_color_ = color;
    Invalidate();
}

void Label::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}

void Label::SetBackColor(COLORREF color) {
    back_color_ = color;
    back_brush_.Reset(CreateSolidBrush(color));
    Invalidate();
}

void Label::SetAutoSize(bool auto_size) {
    auto_size_ = auto_size;
    if (auto_size_) FitToText();
}

void Label::FitToText() {
    if (!Handle()) return;
    WindowDC dc(Handle());
    SelectGuard font(dc.Get(), Font());
    std::string t = NormalizeLineBreaks(caption_.empty() ? std::string(" ") : caption_);
    RECT r{0, 0, 0, 0};
    DrawTextA(dc.Get(), t.c_str(), static_cast<int>(t.size()), &r, DT_CALCRECT | DT_LEFT);
    SetWindowPos(Handle(), nullptr, 0, 0, r.right, r.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Label::ReflectedMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_CTLCOLORSTATIC) return false;
    HDC dc = reinterpret_cast<HDC>(wp);
    ::SetTextColor(dc, text_color_ == CLR_INVALID ? GetSysColor(COLOR_WINDOWTEXT) : text_color_);
    // Transparent labels stand on solid-coloured parents: painting the parent's colour behind
    // the text looks the same and leaves no old text behind when the caption changes.
    Window* parent = Window::FromHandle(GetParent(Handle()));
    HBRUSH brush = nullptr;
    COLORREF back = GetSysColor(COLOR_BTNFACE);
    if (!transparent_ && back_brush_) {
        brush = back_brush_.Get();
        back = back_color_;
    } else if (parent && parent->BackgroundBrush()) {
        brush = parent->BackgroundBrush();
        back = parent->BackgroundColor();
    } else {
        brush = GetSysColorBrush(COLOR_BTNFACE);
    }
    SetBkColor(dc, back);
    SetBkMode(dc, OPAQUE);
    result = reinterpret_cast<LRESULT>(brush);
    return true;
}

}  // namespace ui
