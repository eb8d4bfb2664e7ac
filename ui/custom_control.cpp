// Self-painting child control: one Paint for WM_PAINT, WM_PRINTCLIENT and direct drawing.
#include "ui/custom_control.h"

namespace ui {

CustomControl::CustomControl()
    : color_(GetSysColor(COLOR_BTNFACE)), brush_(CreateSolidBrush(color_)) {}

CustomControl::~CustomControl() = default;

bool CustomControl::CreateWindowFor(HWND parent, int left, int top, int width, int height,
                                    const std::string& caption, std::uint32_t flags, int id) {
    const char* cls = OwnClass(ClassName(), CS_DBLCLKS);
    // WS_EX_CONTROLPARENT lets the dialog keys (Tab, arrows) reach controls inside.
    return CreateOwn(cls, WS_EX_CONTROLPARENT,
                     BaseStyle(flags, false) | WS_CLIPCHILDREN | ExtraStyle(flags), caption.c_str(),
                     left, top, width, height, parent,
                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void CustomControl::SetColor(COLORREF color) {
    color_ = color;
    brush_.Reset(CreateSolidBrush(color));
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

int CustomControl::ClientWidth() const {
    RECT r{};
    GetClientRect(Handle(), &r);
    return r.right;
}

int CustomControl::ClientHeight() const {
    RECT r{};
    GetClientRect(Handle(), &r);
    return r.bottom;
}

void CustomControl::ApplyFont() {
    // Our own windows draw with Font() themselves; a new font only needs a repaint.
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void CustomControl::PaintNow() {
    if (!Handle() || !IsWindowVisible(Handle())) return;
    WindowCanvas canvas(Handle());
    Paint(canvas);
}

void CustomControl::Paint(Canvas& canvas) {
    RECT r{0, 0, ClientWidth(), ClientHeight()};
    canvas.FillRect(r, color_);
}

bool CustomControl::OnPaintMessage(LRESULT& result) {
    PaintDC dc(Handle());
    Canvas canvas(dc.Get());
    Paint(canvas);
    result = 0;
    return true;
}

bool CustomControl::OnPrintClient(HDC dc, LRESULT& result) {
    Canvas canvas(dc);
    Paint(canvas);
    result = 0;
    return true;
}

bool CustomControl::OnEraseBackground(HDC, LRESULT& result) {
    result = 1;  // Paint covers everything; erasing first would only flicker
    return true;
}

LRESULT CustomControl::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CLOSE:
            // A multi-line edit posts WM_CLOSE to its parent on Escape; a container never closes.
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_SETTEXT: {
            LRESULT r = Control::WndProc(msg, wp, lp);
            PaintNow();
            return r;
        }
        case WM_ENABLE:
            PaintNow();
            break;
        default:
            break;
    }
    return Control::WndProc(msg, wp, lp);
}

}  // namespace ui
