// Image: shows a bitmap at its top-left corner (the rest in the parent's colour).
#pragma once

#include "ui/custom_control.h"
#include "ui/handles.h"

namespace ui {

class ImageBox : public CustomControl {
  public:
    ImageBox() = default;

    void SetBitmap(BitmapHandle bmp);
    HBITMAP Bitmap() const { return bmp_.Get(); }
    void SetCentered(bool centered);

  protected:
    void Paint(Canvas& canvas) override;
    const char* ClassName() const override { return "KorvalithImage"; }
    void AfterCreate() override;

  private:
    BitmapHandle bmp_;
    bool centered_ = false;
};

}  // namespace ui
