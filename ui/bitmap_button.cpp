// Bitmap button: owner-drawn face with a centred glyph, pressed offset and disabled image.
#include "ui/bitmap_button.h"

namespace ui {

DWORD BitmapButton::ButtonStyle(std::uint32_t) const { return BS_OWNERDRAW; }

void BitmapButton::SetGlyph(BitmapHandle glyph, int image_count) {
    glyph_ = std::move(glyph);
    images_ = image_count < 1 ? 1 : image_count;
    Invalidate();
}

bool BitmapButton::ReflectedMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_DRAWITEM) {
        DrawFace(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        result = TRUE;
        return true;
    }
    return Button::ReflectedMessage(msg, wp, lp, result);
}

void BitmapButton::DrawFace(const DRAWITEMSTRUCT& di) {
    HDC dc = di.hDC;
    RECT r = di.rcItem;
    const bool pressed = (di.itemState & ODS_SELECTED) != 0;
    const bool disabled = (di.itemState & ODS_DISABLED) != 0;
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    if (glyph_) {
        BITMAP bm{};
        GetObjectA(glyph_.Get(), sizeof bm, &bm);
        const int gw = bm.bmWidth / images_;
        const int gh = bm.bmHeight;
        const int shift = pressed ? 1 : 0;
        const int x = r.left + (r.right - r.left - gw) / 2 + shift;
        const int y = r.top + (r.bottom - r.top - gh) / 2 + shift;
        MemoryDC mem(dc);
        SelectGuard sel(mem.Get(), glyph_.Get());
        // The glyph's bottom-left pixel names its transparent colour.
        const COLORREF transparent = GetPixel(mem.Get(), 0, gh - 1);
        if (disabled && images_ >= 2) {
            TransparentBlt(dc, x, y, gw, gh, mem.Get(), gw, 0, gw, gh, transparent);
        } else if (disabled) {
            // No disabled image: an embossed grey copy of the glyph's outline.
            TransparentBlt(dc, x, y, gw, gh, mem.Get(), 0, 0, gw, gh, transparent);
            BrushHandle grey(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
            BLENDFUNCTION half{AC_SRC_OVER, 0, 160, 0};
            MemoryDC face(dc);
            BitmapHandle fill(CreateCompatibleBitmap(dc, gw, gh));
            SelectGuard fsel(face.Get(), fill.Get());
            RECT fr{0, 0, gw, gh};
            ::FillRect(face.Get(), &fr, grey.Get());
            AlphaBlend(dc, x, y, gw, gh, face.Get(), 0, 0, gw, gh, half);
        } else {
            TransparentBlt(dc, x, y, gw, gh, mem.Get(), 0, 0, gw, gh, transparent);
        }
    }
    if (di.itemState & ODS_FOCUS) {
        RECT f = di.rcItem;
        InflateRect(&f, -3, -3);
        DrawFocusRect(dc, &f);
    }
}

}  // namespace ui
