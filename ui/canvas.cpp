// Canvas drawing helpers over a device context.
#include "ui/canvas.h"

#include "ui/text.h"

namespace ui {

void Canvas::FillRect(const RECT& r, COLORREF color) {
    BrushHandle brush(CreateSolidBrush(color));
    ::FillRect(dc_, &r, brush.Get());
}

void Canvas::FrameRect(const RECT& r, COLORREF color) {
    BrushHandle brush(CreateSolidBrush(color));
    ::FrameRect(dc_, &r, brush.Get());
}

void Canvas::Frame3D(RECT& r, COLORREF top_left, COLORREF bottom_right) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return;
    FillRect(RECT{r.left, r.top, r.right - 1, r.top + 1}, top_left);
    FillRect(RECT{r.left, r.top, r.left + 1, r.bottom - 1}, top_left);
    FillRect(RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottom_right);
    FillRect(RECT{r.right - 1, r.top, r.right, r.bottom}, bottom_right);
    InflateRect(&r, -1, -1);
}

int Canvas::DrawText(const std::string& text, RECT r, UINT format) {
    std::string t = NormalizeLineBreaks(text);
    return ::DrawTextA(dc_, t.c_str(), static_cast<int>(t.size()), &r, format);
}

SIZE Canvas::MeasureText(const std::string& text, int max_width, UINT format) {
    std::string t = NormalizeLineBreaks(text);
    RECT r{0, 0, max_width, 0};
    ::DrawTextA(dc_, t.c_str(), static_cast<int>(t.size()), &r, format | DT_CALCRECT);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

void Canvas::Draw(int x, int y, HBITMAP bmp, int sx, int sy, int w, int h) {
    MemoryDC mem(dc_);
    SelectGuard sel(mem.Get(), bmp);
    BitBlt(dc_, x, y, w, h, mem.Get(), sx, sy, SRCCOPY);
}

void Canvas::Draw(int x, int y, HBITMAP bmp) {
    BITMAP bm{};
    if (!GetObjectA(bmp, sizeof bm, &bm)) return;
    Draw(x, y, bmp, 0, 0, bm.bmWidth, bm.bmHeight);
}

}  // namespace ui
