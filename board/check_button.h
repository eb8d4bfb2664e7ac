// TCheckButton: a category button that paints itself and acts as one member of a radio group.
#pragma once

#include <array>

#include "core/selection.h"
#include "ui/custom_control.h"

namespace board {

class TCheckButton;
using CheckButtonGroup = std::array<TCheckButton*, kCategoryCount>;

class TCheckButton : public ui::CustomControl {
  public:
    TCheckButton() { track_mouse_ = true; }

    bool Down() const { return down_; }
    // Changes the down state and repaints when it changed.
    void SetDown(bool down);
    bool Hot() const { return hot_; }
    // The buttons of the group, which a press raises.
    void SetGroup(const CheckButtonGroup* group) { group_ = group; }

    // A press of the left button: puts this button down, raises the others, fires OnClick.
    void Press();

    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

  protected:
    void Paint(ui::Canvas& canvas) override;
    const char* ClassName() const override { return "TCheckButton"; }

  private:
    void SetHot(bool hot);

    bool down_ = false;
    bool hot_ = false;
    const CheckButtonGroup* group_ = nullptr;
};

}  // namespace board
