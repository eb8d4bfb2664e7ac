// A child window that paints itself: overridable WndProc and Paint, mouse enter/leave messages.
#pragma once

#include "ui/canvas.h"
#include "ui/control.h"

namespace ui {

// Derived classes override WndProc (calling CustomControl::WndProc for what they do not
// consume; CM_MOUSEENTER and CM_MOUSELEAVE arrive there too) and Paint. Paint serves WM_PAINT,
// WM_PRINTCLIENT and PaintNow, which draws straight onto the window surface.
class CustomControl : public Control {
  public:
    CustomControl();
    ~CustomControl() override;

    // Draws the control now onto its window surface (GetDC), not through invalidation.
    void PaintNow();
    void Repaint() override { PaintNow(); }

    COLORREF Color() const { return color_; }
    void SetColor(COLORREF color);
    HBRUSH BackgroundBrush() const override { return brush_.Get(); }
    COLORREF BackgroundColor() const override { return color_; }

    int ClientWidth() const;
    int ClientHeight() const;

    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

  protected:
    // Paints the whole control on the canvas (client coordinates).
    virtual void Paint(Canvas& canvas);
    // The class name the control's windows get; one own class per kind helps tests find them.
    virtual const char* ClassName() const { return "KorvalithCustomControl"; }
    virtual DWORD ExtraStyle(std::uint32_t flags) const { return 0; }
    bool CreateWindowFor(HWND parent, int left, int top, int width, int height,
                         const std::string& caption, std::uint32_t flags, int id) override;
    void ApplyFont() override;
    bool OnPaintMessage(LRESULT& result) override;
    bool OnPrintClient(HDC dc, LRESULT& result) override;
    bool OnEraseBackground(HDC dc, LRESULT& result) override;

  private:
    COLORREF color_;
    BrushHandle brush_;
};

}  // namespace ui
