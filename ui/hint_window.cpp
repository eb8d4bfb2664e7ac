// Hint window: a bordered topmost popup in the tooltip colours, shown without activation.
#include "ui/hint_window.h"

#include "ui/application.h"
#include "ui/font.h"
#include "ui/text.h"

namespace ui {
namespace {
// Room the text leaves around itself: 6 pixels of width, 4 of height (frame included).
constexpr int kExtraWidth = 6;
constexpr int kExtraHeight = 4;
constexpr int kTextLeft = 2;
constexpr int kTextTop = 1;
}  // namespace

HintWindow::HintWindow(HWND owner)
    : font_(CreateStatusFont()), brush_(CreateSolidBrush(GetSysColor(COLOR_INFOBK))) {
    if (!owner) owner = Application::Instance().Handle();
    CreateOwn(OwnClass("KorvalithHintWindow", CS_SAVEBITS), WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
              WS_POPUP | WS_BORDER, "", 0, 0, 0, 0, owner, nullptr);
}

HintWindow::~HintWindow() = default;

SIZE HintWindow::Measure(const std::string& text, int max_width) const {
    WindowDC dc(Handle());
    SelectGuard font(dc.Get(), font_.Get());
    std::string t = NormalizeLineBreaks(text);
    RECT r{0, 0, max_width, 0};
    DrawTextA(dc.Get(), t.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return SIZE{r.right - r.left + kExtraWidth, r.bottom - r.top + kExtraHeight};
}

void HintWindow::ShowAt(int x, int y, const std::string& text) {
    text_ = text;
    const SIZE size = Measure(text, GetSystemMetrics(SM_CXSCREEN));
    SetWindowPos(Handle(), HWND_TOPMOST, x, y, size.cx, size.cy, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    DrawTextNow();
}

void HintWindow::Hide() { ShowWindow(Handle(), SW_HIDE); }

bool HintWindow::Showing() const { return Handle() && IsWindowVisible(Handle()); }

void HintWindow::PaintText(HDC dc) {
    RECT r{};
    GetClientRect(Handle(), &r);
    FillRect(dc, &r, brush_.Get());
    r.left += kTextLeft;
    r.top += kTextTop;
    SelectGuard font(dc, font_.Get());
    BkModeGuard bk(dc, TRANSPARENT);
    TextColorGuard tc(dc, GetSysColor(COLOR_INFOTEXT));
    std::string t = NormalizeLineBreaks(text_);
    DrawTextA(dc, t.c_str(), -1, &r, DT_NOPREFIX | DT_WORDBREAK);
}

void HintWindow::DrawTextNow() {
    {
        WindowDC dc(Handle());
        PaintText(dc.Get());
    }
    SendMessageA(Handle(), WM_NCPAINT, 1, 0);
}

bool HintWindow::OnPaintMessage(LRESULT& result) {
    PaintDC dc(Handle());
    PaintText(dc.Get());
    result = 0;
    return true;
}

bool HintWindow::OnEraseBackground(HDC, LRESULT& result) {
    result = 1;
    return true;
}

LRESULT HintWindow::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    if (msg == WM_NCHITTEST) return HTTRANSPARENT;
    return Window::WndProc(msg, wp, lp);
}

}  // namespace ui
