// Etched line: shadow then highlight, along the top edge or the left edge.
#include "ui/bevel.h"

namespace ui {

void BevelLine::Paint(Canvas& canvas) {
    const int w = ClientWidth(), h = ClientHeight();
    Window* parent = Window::FromHandle(GetParent(Handle()));
    canvas.FillRect(RECT{0, 0, w, h},
                    parent ? parent->BackgroundColor() : GetSysColor(COLOR_BTNFACE));
    const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    if (w >= h) {
        canvas.FillRect(RECT{0, 0, w, 1}, dark);
        canvas.FillRect(RECT{0, 1, w, 2}, light);
    } else {
        canvas.FillRect(RECT{0, 0, 1, h}, dark);
        canvas.FillRect(RECT{1, 0, 2, h}, light);
    }
}

}  // namespace ui
