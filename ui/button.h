// Push button: click callback, default (Enter) and cancel (Escape) roles, modal result.
#pragma once

#include "ui/control.h"

namespace ui {

// Modal results, with the values of the system's dialog ids.
enum ModalResult : int {
    kMrNone = 0,
    kMrOk = 1,
    kMrCancel = 2,
    kMrAbort = 3,
    kMrRetry = 4,
    kMrIgnore = 5,
    kMrYes = 6,
    kMrNo = 7,
};

class Button : public Control {
  public:
    Button() = default;

    void SetDefault(bool is_default);
    bool IsDefault() const { return default_; }
    void SetCancel(bool is_cancel) { cancel_ = is_cancel; }
    bool IsCancel() const { return cancel_; }
    // Pressing the button sets this modal result on its form (before OnClick runs).
    void SetModalResult(int result) { modal_result_ = result; }
    int ModalResultValue() const { return modal_result_; }

    bool IsPushButton() const override { return true; }
    void Click() override;
    bool ReflectedMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  protected:
    bool CreateWindowFor(HWND parent, int left, int top, int width, int height,
                         const std::string& caption, std::uint32_t flags, int id) override;
    // Extra BUTTON styles of derived kinds (BS_OWNERDRAW for bitmap buttons).
    virtual DWORD ButtonStyle(std::uint32_t flags) const;

  private:
    bool default_ = false;
    bool cancel_ = false;
    int modal_result_ = kMrNone;
};

}  // namespace ui
