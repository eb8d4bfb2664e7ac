// Panel painting: colour, outer then inner bevel, and the caption.
#include "ui/panel.h"

namespace ui {
namespace {

// Caption margin of a left-aligned caption, inside the bevels.
constexpr int kCaptionMargin = 2;

void DrawBevel(Canvas& canvas, RECT& r, Bevel3D bevel) {
    if (bevel == Bevel3D::None) return;
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
    if (bevel == Bevel3D::Raised)
        canvas.Frame3D(r, light, dark);
    else
        canvas.Frame3D(r, dark, light);
}

}  // namespace

void Panel::AfterCreate() {
    const std::uint32_t f = Flags();
    Bevel3D inner = f & flag::kInnerRaised    ? Bevel3D::Raised
                    : f & flag::kInnerLowered ? Bevel3D::Lowered
                                              : Bevel3D::None;
    Bevel3D outer = f & flag::kOuterRaised    ? Bevel3D::Raised
                    : f & flag::kOuterLowered ? Bevel3D::Lowered
                                              : Bevel3D::None;
    inner_ = inner;
    outer_ = outer;
    caption_left_ = (f & flag::kAlignLeft) != 0;
}

void Panel::SetBevels(Bevel3D inner, Bevel3D outer) {
    inner_ = inner;
    outer_ = outer;
    Invalidate();
}

void Panel::SetCaptionLeft(bool left) {
    caption_left_ = left;
    Invalidate();
}

void Panel::SetCaption(const std::string& caption) {
    Control::SetCaption(caption);  // WM_SETTEXT repaints at once
}

RECT Panel::InnerRect() const {
    RECT r{0, 0, ClientWidth(), ClientHeight()};
    if (outer_ != Bevel3D::None) InflateRect(&r, -1, -1);
    if (inner_ != Bevel3D::None) InflateRect(&r, -1, -1);
    return r;
}

void Panel::Paint(Canvas& canvas) {
    RECT r{0, 0, ClientWidth(), ClientHeight()};
    DrawBevel(canvas, r, outer_);
    DrawBevel(canvas, r, inner_);
    canvas.FillRect(r, Color());
    const std::string caption = Caption();
    if (caption.empty()) return;
    HDC dc = canvas.Handle();
    SelectGuard font(dc, Font());
    BkModeGuard bk(dc, TRANSPARENT);
    TextColorGuard tc(dc, GetSysColor(Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    if (caption_left_) {
        r.left += kCaptionMargin;
        format |= DT_LEFT;
    } else {
        format |= DT_CENTER;
    }
    canvas.DrawText(caption, r, format);
}

}  // namespace ui
