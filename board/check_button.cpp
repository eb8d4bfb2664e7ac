// Category button: press handling, hover state and the off-screen paint on the scratch bitmap.
#include "board/check_button.h"

#include "board/board_bitmaps.h"
#include "board/check_button_look.h"
#include "ui/canvas.h"
#include "ui/font.h"

namespace board {
namespace {

RECT ToRect(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

}  // namespace

void TCheckButton::SetDown(bool down) {
    if (down_ == down) return;
    down_ = down;
    PaintNow();
}

void TCheckButton::Press() {
    if (down_) return;
    if (group_) {
        for (int i = kCategoryCount - 1; i >= 0; --i) {
            TCheckButton* other = (*group_)[i];
            if (other && other->down_) other->SetDown(false);
        }
    }
    SetDown(true);
    Click();
}

void TCheckButton::SetHot(bool hot) {
    hot_ = hot;
    if (RepaintOnHotChange(down_)) PaintNow();
}

LRESULT TCheckButton::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_LBUTTONDOWN:
            Press();
            return 0;
        case ui::CM_MOUSEENTER:
            SetHot(true);
            break;
        case ui::CM_MOUSELEAVE:
            SetHot(false);
            break;
        default:
            break;
    }
    return CustomControl::WndProc(msg, wp, lp);
}

void TCheckButton::Paint(ui::Canvas& canvas) {
    const int w = ClientWidth();
    const int h = ClientHeight();
    ui::DibSection& scratch = ScratchBitmap();
    if (!scratch) return;
    const CheckButtonLook look = CheckButtonLookFor(down_, hot_, Tag());
    ui::MemoryDC dc(canvas.Handle());
    ui::SelectGuard select(dc.Get(), scratch.Handle());
    ui::Canvas off(dc.Get());
    off.FillRect(RECT{0, 0, w, h}, kCategoryPanelColour);
    off.FillRect(ToRect(FaceRect(w, h)), look.face);

    ui::FontHandle font = ui::CreateUiFont(kCheckButtonFontName, look.fontHeight, true);
    ui::SelectGuard fontGuard(dc.Get(), font.Get());
    ui::BkModeGuard mode(dc.Get(), TRANSPARENT);
    ui::TextColorGuard colour(dc.Get(), GetSysColor(COLOR_WINDOWTEXT));
    const std::string caption = Caption();
    RECT measured{0, 0, w - kCaptionMargin, 0};
    DrawTextA(dc.Get(), caption.c_str(), static_cast<int>(caption.size()), &measured,
              DT_CALCRECT | DT_CENTER);
    RECT place = ToRect(CaptionRect(w, h, measured.right, measured.bottom));
    DrawTextA(dc.Get(), caption.c_str(), static_cast<int>(caption.size()), &place, DT_CENTER);

    off.FrameRect(ToRect(InnerFrameRect(w, h)), kGreyFrameColour);
    if (look.outerFrame) off.FrameRect(ToRect(OuterFrameRect(w, h)), kDownOuterFrameColour);
    if (look.innerFrame != kGreyFrameColour) {
        off.FrameRect(ToRect(InnerFrameRect(w, h)), look.innerFrame);
    }
    BitBlt(canvas.Handle(), 0, 0, w, h, dc.Get(), 0, 0, SRCCOPY);
}

}  // namespace board
