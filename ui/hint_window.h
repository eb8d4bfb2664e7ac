// Hint window: a small topmost tooltip-like window shown at a point without activating.
#pragma once

#include <string>

#include "ui/handles.h"
#include "ui/window.h"

namespace ui {

class HintWindow : public Window {
  public:
    // owner: the window the hint belongs to (null: the application window).
    explicit HintWindow(HWND owner = nullptr);
    ~HintWindow() override;

    // The text's size in the hint font, wrapped at max_width (DT_CALCRECT | DT_WORDBREAK |
    // DT_NOPREFIX), plus 6 pixels of width and 4 of height.
    SIZE Measure(const std::string& text, int max_width) const;
    // Sizes the window to the text, places its top-left corner at screen (x, y) above all
    // windows (HWND_TOPMOST, SWP_SHOWWINDOW | SWP_NOACTIVATE) and draws the text at once.
    void ShowAt(int x, int y, const std::string& text);
    void Hide();
    bool Showing() const;
    const std::string& Text() const { return text_; }
    HFONT Font() const { return font_.Get(); }
    // Draws the text directly onto the window (left edge +2, top +1, DT_NOPREFIX|DT_WORDBREAK).
    void DrawTextNow();

    HBRUSH BackgroundBrush() const override { return brush_.Get(); }
    COLORREF BackgroundColor() const override { return GetSysColor(COLOR_INFOBK); }

  protected:
    bool OnPaintMessage(LRESULT& result) override;
    bool OnEraseBackground(HDC dc, LRESULT& result) override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void PaintText(HDC dc);
    std::string text_;
    FontHandle font_;
    BrushHandle brush_;
};

}  // namespace ui
