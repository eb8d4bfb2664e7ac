// Check box: checked state and a click callback; optional multi-line caption at the top.
#pragma once

#include "ui/control.h"

namespace ui {

class CheckBox : public Control {
  public:
    CheckBox() = default;

    bool Checked() const;
    // A change of state fires OnClick, as a user's click does.
    void SetChecked(bool checked);

    bool ReflectedMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  protected:
    bool CreateWindowFor(HWND parent, int left, int top, int width, int height,
                         const std::string& caption, std::uint32_t flags, int id) override;
};

}  // namespace ui
