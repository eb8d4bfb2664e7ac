// Bitmap button: an owner-drawn push button with a glyph (optionally normal + disabled images).
#pragma once

#include "ui/button.h"
#include "ui/handles.h"

namespace ui {

class BitmapButton : public Button {
  public:
    BitmapButton() = default;

    // The glyph holds image_count images of equal width side by side: the first is the normal
    // look, the second (if any) the disabled one. The bottom-left pixel's colour is transparent.
    void SetGlyph(BitmapHandle glyph, int image_count = 1);
    HBITMAP Glyph() const { return glyph_.Get(); }
    int GlyphImages() const { return images_; }

    bool ReflectedMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  protected:
    DWORD ButtonStyle(std::uint32_t flags) const override;

  private:
    void DrawFace(const DRAWITEMSTRUCT& di);
    BitmapHandle glyph_;
    int images_ = 1;
};

}  // namespace ui
