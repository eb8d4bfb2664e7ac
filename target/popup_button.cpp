// TPopupBtnForm's painting and clicks, and the placement and hover step that drive it.
#include "target/popup_button.h"

namespace korvalith {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kHoveredFrame = RGB(0, 0, 255);
constexpr unsigned kDefaultHintPause = 500;
constexpr int kHintGap = 3;

}  // namespace

TPopupBtnForm::TPopupBtnForm(const char* caption, HICON small_icon, ui::DibSection& image,
                             std::function<void()> clicked)
    : small_icon_(small_icon), image_(image), clicked_(std::move(clicked)) {
    ui::FormDesign d;
    d.caption = caption;
    d.client_width = kPopupButtonSize;
    d.client_height = kPopupButtonSize;
    d.border = ui::BorderStyle::None;
    d.border_icons = 0;
    d.position = ui::FormPosition::Designed;
    d.stay_on_top = true;
    d.tool_window = true;
    d.class_name = "TPopupBtnForm";
    Create(d);
}

void TPopupBtnForm::Paint(HDC dc) {
    if (image_) {
        ui::MemoryDC memory(dc);
        ui::SelectGuard select(memory.Get(), image_.Handle());
        const RECT all{0, 0, kPopupImageSize, kPopupImageSize};
        ui::BrushHandle white(CreateSolidBrush(kWhite));
        FillRect(memory.Get(), &all, white.Get());
        DrawIconEx(memory.Get(), 0, 0, small_icon_, kPopupImageSize, kPopupImageSize, 0, nullptr,
                   DI_NORMAL);
        ui::DibSection::Sync();
        if (Hovered) LightenPopupImage(image_.Bits(), size_t(image_.Stride()));
        BitBlt(dc, 1, 1, kPopupImageSize, kPopupImageSize, memory.Get(), 0, 0, SRCCOPY);
    }
    const RECT frame{0, 0, kPopupButtonSize, kPopupButtonSize};
    ui::BrushHandle brush(CreateSolidBrush(Hovered ? kHoveredFrame : GetSysColor(COLOR_BTNSHADOW)));
    FrameRect(dc, &frame, brush.Get());
}

void TPopupBtnForm::PaintNow() {
    ui::WindowDC dc(Handle());
    Paint(dc.Get());
}

LRESULT TPopupBtnForm::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            ui::PaintDC dc(Handle());
            Paint(dc.Get());
            return 0;
        }
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_LBUTTONDOWN:
            if (clicked_) clicked_();
            return 1;
    }
    return ui::Form::WndProc(msg, wp, lp);
}

PopupButton::PopupButton(HWND main_window, HWND app_window, HICON small_icon, Hooks hooks)
    : main_window_(main_window),
      app_window_(app_window),
      small_icon_(small_icon),
      hooks_(std::move(hooks)),
      image_(ui::DibSection::Create(kPopupImageSize, kPopupImageSize)) {}

PopupButton::~PopupButton() {
    if (button_) button_->HintWnd.reset();
    button_.reset();
}

uint32_t PopupButton::Now() const {
    return hooks_.tick_count ? hooks_.tick_count() : GetTickCount();
}

void PopupButton::HideMainWindows() const {
    if (main_window_) ShowWindow(main_window_, SW_HIDE);
    if (app_window_) ShowWindow(app_window_, SW_HIDE);
}

void PopupButton::Place(const TargetState& target) {
    const bool wanted =
        target.TargetBoxWnd &&
        (target.TargetInput || SendMessageA(target.TargetBoxWnd, EM_GETPASSWORDCHAR, 0, 0) != 0);
    if (!wanted) {
        Close();
        return;
    }
    if (!button_) {
        char caption[256] = "Korvalith";
        if (main_window_) GetWindowTextA(main_window_, caption, sizeof caption);
        button_ = std::make_unique<TPopupBtnForm>(caption, small_icon_, image_, hooks_.clicked);
    }
    const RECT& r = target.TargetRect;
    const auto at =
        PopupButtonPosition({r.left, r.top, r.right, r.bottom}, GetSystemMetrics(SM_CXSCREEN));
    UINT flags = SWP_NOACTIVATE;
    if (!at) flags |= SWP_NOMOVE;
    // Placing it topmost again also lifts it above a window that was just brought forward.
    SetWindowPos(button_->Handle(), HWND_TOPMOST, at ? at->left : 0, at ? at->top : 0,
                 kPopupButtonSize, kPopupButtonSize, flags);
    ShowWindow(button_->Handle(), SW_SHOWNOACTIVATE);
}

void PopupButton::Close() {
    if (!button_) return;
    button_->HintWnd.reset();
    button_.reset();
    HideMainWindows();
}

void PopupButton::HoverStep() {
    if (!button_) return;
    TPopupBtnForm& b = *button_;
    POINT cursor{};
    GetCursorPos(&cursor);
    RECT bounds{};
    GetWindowRect(b.Handle(), &bounds);
    HoverState state{b.Hovered, b.HoverStart, b.HintWnd != nullptr};
    const unsigned pause = hooks_.hint_pause ? hooks_.hint_pause() : kDefaultHintPause;
    const HoverAction action =
        korvalith::HoverStep(state, PtInRect(&bounds, cursor) != FALSE, Now(), pause);
    b.Hovered = state.Hovered;
    b.HoverStart = state.HoverStart;
    switch (action) {
        case HoverAction::Repaint:
            b.PaintNow();
            break;
        case HoverAction::ShowHint:
            b.HintWnd = std::make_unique<ui::HintWindow>(main_window_);
            b.HintWnd->ShowAt(bounds.right + kHintGap, bounds.bottom + kHintGap, kPopupHintText);
            break;
        case HoverAction::HideHint:
            b.HintWnd.reset();
            HideMainWindows();
            break;
        case HoverAction::None:
            break;
    }
}

}  // namespace korvalith
