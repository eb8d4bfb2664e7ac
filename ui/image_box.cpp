// Image control: a bitmap on the parent's colour.
#include "ui/image_box.h"

namespace ui {

void ImageBox::AfterCreate() {
    if (Window* parent = Window::FromHandle(GetParent(Handle())))
        SetColor(parent->BackgroundColor());
}

void ImageBox::SetBitmap(BitmapHandle bmp) {
    bmp_ = std::move(bmp);
    PaintNow();
}

void ImageBox::SetCentered(bool centered) {
    centered_ = centered;
    PaintNow();
}

void ImageBox::Paint(Canvas& canvas) {
    const int w = ClientWidth(), h = ClientHeight();
    canvas.FillRect(RECT{0, 0, w, h}, Color());
    if (!bmp_) return;
    BITMAP bm{};
    GetObjectA(bmp_.Get(), sizeof bm, &bm);
    const int x = centered_ ? (w - bm.bmWidth) / 2 : 0;
    const int y = centered_ ? (h - bm.bmHeight) / 2 : 0;
    canvas.Draw(x, y, bmp_.Get());
}

}  // namespace ui
