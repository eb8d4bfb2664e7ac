// Bevel: an etched line, horizontal along the top edge when wider than high, else vertical.
#pragma once

#include "ui/custom_control.h"

namespace ui {

class BevelLine : public CustomControl {
  public:
    BevelLine() = default;

  protected:
    void Paint(Canvas& canvas) override;
    const char* ClassName() const override { return "KorvalithBevel"; }
};

}  // namespace ui
