// Panel: a coloured, bevelled container with an optional caption; parent of child controls.
#pragma once

#include "ui/custom_control.h"

namespace ui {

enum class Bevel3D { None, Raised, Lowered };

class Panel : public CustomControl {
  public:
    Panel() = default;

    void SetBevels(Bevel3D inner, Bevel3D outer);
    Bevel3D InnerBevel() const { return inner_; }
    Bevel3D OuterBevel() const { return outer_; }
    // Caption left-aligned (with a small margin) instead of centred.
    void SetCaptionLeft(bool left);
    void SetCaption(const std::string& caption) override;

  protected:
    void Paint(Canvas& canvas) override;
    const char* ClassName() const override { return "KorvalithPanel"; }
    void AfterCreate() override;
    // The client rectangle inside both bevels.
    RECT InnerRect() const;

  private:
    Bevel3D inner_ = Bevel3D::None;
    Bevel3D outer_ = Bevel3D::None;
    bool caption_left_ = false;
};

}  // namespace ui
