// A thin drawing surface over a device context: fills, frames, text, bitmap copies.
#pragma once

#include <string>

#include "ui/handles.h"

namespace ui {

class Canvas {
  public:
    explicit Canvas(HDC dc) : dc_(dc) {}
    HDC Handle() const { return dc_; }

    void FillRect(const RECT& r, COLORREF color);
    // A one-pixel frame just inside r.
    void FrameRect(const RECT& r, COLORREF color);
    // A 3-D frame: top/left in one colour, bottom/right in the other; r shrinks by one pixel.
    void Frame3D(RECT& r, COLORREF top_left, COLORREF bottom_right);
    // DrawTextA with "\r" line breaks honoured; returns the text height.
    int DrawText(const std::string& text, RECT r, UINT format);
    // Size of the text with the selected font (DT_CALCRECT with the given width limit).
    SIZE MeasureText(const std::string& text, int max_width, UINT format);
    // Copies w x h pixels of the bitmap at (sx, sy) to (x, y).
    void Draw(int x, int y, HBITMAP bmp, int sx, int sy, int w, int h);
    void Draw(int x, int y, HBITMAP bmp);

  private:
    HDC dc_;
};

// A canvas straight on a window's surface (GetDC), for drawing outside WM_PAINT.
class WindowCanvas : public Canvas {
  public:
    explicit WindowCanvas(HWND wnd) : Canvas(nullptr), dc_(wnd) { Reset(dc_.Get()); }

  private:
    void Reset(HDC dc) { static_cast<Canvas&>(*this) = Canvas(dc); }
    WindowDC dc_;
};

}  // namespace ui
