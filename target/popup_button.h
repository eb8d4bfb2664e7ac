// The popup button beside a password box (TPopupBtnForm) and its hint.
#pragma once

#include "target/popup_logic.h"
#include "target/target_tracker.h"
#include "ui/form.h"
#include "ui/hint_window.h"
#include "ui/image.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

namespace korvalith {

inline constexpr char kPopupHintText[] = "Click to enter the password through Korvalith";

// The 18 x 18 stay-on-top button window; it is shown without being activated.
class TPopupBtnForm : public ui::Form {
  public:
    TPopupBtnForm(const char* caption, HICON small_icon, ui::DibSection& image,
                  std::function<void()> clicked);

    bool Hovered = false;
    uint32_t HoverStart = 0;
    std::unique_ptr<ui::HintWindow> HintWnd;

    void PaintNow();

  protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void Paint(HDC dc);

    HICON small_icon_;
    ui::DibSection& image_;
    std::function<void()> clicked_;
};

// The main window's side of the button: placement, removal and the hover step.
class PopupButton {
  public:
    struct Hooks {
        std::function<void()> clicked;         // ShowMainWindow(true)
        std::function<uint32_t()> tick_count;  // null: GetTickCount
        std::function<unsigned()> hint_pause;  // null: 500 ms
    };

    // main_window and app_window are hidden when the button goes away.
    PopupButton(HWND main_window, HWND app_window, HICON small_icon, Hooks hooks);
    PopupButton(const PopupButton&) = delete;
    PopupButton& operator=(const PopupButton&) = delete;
    ~PopupButton();

    // The target box or its rectangle has changed.
    void Place(const TargetState& target);
    // ClosePopupBtn.
    void Close();
    void HoverStep();

    TPopupBtnForm* Button() const { return button_.get(); }

  private:
    void HideMainWindows() const;
    uint32_t Now() const;

    HWND main_window_;
    HWND app_window_;
    HICON small_icon_;
    Hooks hooks_;
    ui::DibSection image_;
    std::unique_ptr<TPopupBtnForm> button_;
};

}  // namespace korvalith
