// Single-line edit box: text, read-only state and a change callback.
#pragma once

#include "ui/control.h"

namespace ui {

class Edit : public Control {
  public:
    Edit() = default;

    std::string Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }
    void SetReadOnly(bool read_only);
    bool ReadOnly() const;
    void SelectAll();

    std::function<void(Control& sender)> OnChange;

    bool ReflectedMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  protected:
    bool CreateWindowFor(HWND parent, int left, int top, int width, int height,
                         const std::string& caption, std::uint32_t flags, int id) override;
};

}  // namespace ui
