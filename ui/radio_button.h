// Radio button: one of the radio buttons of its parent; checking it unchecks the others.
#pragma once

#include "ui/control.h"

namespace ui {

class RadioButton : public Control {
  public:
    RadioButton() = default;

    bool Checked() const { return checked_; }
    // Checking a button that was not checked unchecks its siblings (the radio buttons of the
    // same parent) and then fires OnClick, exactly as a user's click does. Unchecking, or
    // checking a checked one, fires nothing.
    void SetChecked(bool checked);

    void Click() override { SetChecked(true); }
    bool ReflectedMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  protected:
    bool CreateWindowFor(HWND parent, int left, int top, int width, int height,
                         const std::string& caption, std::uint32_t flags, int id) override;

  private:
    void SetState(bool checked);
    bool checked_ = false;
};

}  // namespace ui
