// Label: static text, optionally word-wrapped, transparent over its parent, or sized to its text.
#pragma once

#include "ui/control.h"

namespace ui {

class Label : public Control {
  public:
    Label() = default;

    void SetCaption(const std::string& caption) override;
    std::string Caption() const override { return caption_; }
    void SetTextColor(COLORREF color);
    COLORREF TextColor() const { return text_color_; }
    // Transparent: the parent's colour shows behind the text.
    void SetTransparent(bool transparent);
    void SetBackColor(COLORREF color);
    void SetAutoSize(bool auto_size);

    bool ReflectedMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  protected:
    bool CreateWindowFor(HWND parent, int left, int top, int width, int height,
                         const std::string& caption, std::uint32_t flags, int id) override;
    void AfterCreate() override;
    void ApplyFont() override;

  private:
    void FitToText();
    std::string caption_;
    COLORREF text_color_ = CLR_INVALID;  // CLR_INVALID: system window text
    COLORREF back_color_ = CLR_INVALID;  // CLR_INVALID: the parent's colour
    bool transparent_ = false;
    bool auto_size_ = false;
    BrushHandle back_brush_;
};

}  // namespace ui
