// TMainForm: the window in which the user picks categories, pictures and a length class and
// gets the password.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "board/check_button.h"
#include "board/paint_panel.h"
#include "board/status_line.h"
#include "ui/bitmap_button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/popup_menu.h"
#include "ui/radio_button.h"

namespace board {

class TMainForm;

// What the main window asks of the settings store, the help, the options dialog and the
// activation and target code. The program's start-up fills them in before it makes the window;
// any left empty does nothing (or, for the settings, keeps the class in the window itself).
struct MainFormHooks {
    // Settings store: the stored length class byte and saving of all settings.
    std::function<uint8_t()> storedLengthClass;
    std::function<void(uint8_t)> setStoredLengthClass;
    std::function<void()> saveSettings;

    // Help and options.
    std::function<void()> showHelpContents;
    std::function<void()> showAbout;
    std::function<void()> showOptions;
    // Opens the product web page; empty: the shell's "open" action on kProductWebPage.
    std::function<void()> openWebPage;

    // Activation: run when the window's handle has been made (after the timers are started)
    // and before it goes (before the timers are stopped); the hot key at construction.
    std::function<void(TMainForm&)> handleCreated;
    std::function<void(TMainForm&)> handleDestroying;
    std::function<void(TMainForm&)> installHotKey;
    // Messages the activation code answers (hot key, tray icon, close request); true: handled.
    std::function<bool(TMainForm&, UINT, WPARAM, LPARAM, LRESULT&)> wndProc;
    // Timer 2: target tracking and the popup button.
    std::function<void(TMainForm&)> trackTarget;
    // The close handler; empty: closing hides the window.
    std::function<void(TMainForm&, ui::CloseAction&)> formClose;
    // The tray menu's "&Close"; empty: closes the window.
    std::function<void(TMainForm&)> closeMenuItem;
    // At destruction, before the window goes: free the target code's own windows and bitmaps.
    std::function<void(TMainForm&)> destroying;

    // Target: whether a target box is known, and the delivery on "Insert" or Enter. Without a
    // delivery hook the password goes to the clipboard and the window hides.
    std::function<bool()> targetPresent;
    std::function<void(TMainForm&)> insBtnClick;
};

constexpr const char* kProductWebPage = "https://www.ostrevane.com/korvalith/";
constexpr const char* kMainCaption = "Korvalith";

constexpr UINT_PTR kBlinkTimerId = 1;
constexpr UINT kBlinkPeriodMs = 50;
constexpr UINT_PTR kTrackTimerId = 2;
constexpr UINT kTrackPeriodMs = 100;

class TMainForm : public ui::Form {
  public:
    explicit TMainForm(MainFormHooks hooks = {});
    ~TMainForm() override;

    void UpdateStatus();
    void SelectCategory(ui::Control& sender);
    void PassLenRadBtnClick(ui::Control& sender);
    void PrepareForShow();
    // Key preview; true when the key was used.
    bool FormKeyDown(WORD key, unsigned shift);
    void ButtonClick(ui::Control& sender);
    void InsBtnClick(ui::Control& sender);
    void OptionsMenuItemClick();
    void HelpMenuItemClick();
    void CloseMenuItemClick();

    // The length class the radio buttons choose.
    int SelectedLengthClass() const;
    bool TargetPresent() const;
    // Kills and sets again the status timer, so its next tick comes a full period later.
    void RestartStatusTimer();
    // The text of the password line, which the caller wipes after use.
    std::string PasswordText() const;

    MainFormHooks& Hooks() { return hooks_; }
    HICON SmallIcon() const { return smallIcon_.Get(); }
    ui::DibSection& PopupBitmap() { return popupBitmap_; }
    ui::PopupMenu& SysTrayMenu() { return sysTrayMenu_; }

    // Controls, named as designed.
    ui::Panel* CatPanel = nullptr;
    std::array<ui::RadioButton*, 4> PassLenRadBtns{};  // 8..10, 11..20, 21..32, 33..64
    ui::Panel* StatusPanel = nullptr;
    ui::Edit* PasEdt = nullptr;
    ui::BitmapButton* CopyBtn = nullptr;
    ui::Button* InsBtn = nullptr;
    ui::BitmapButton* HelpBtn = nullptr;
    ui::BitmapButton* AboutBtn = nullptr;
    ui::BitmapButton* WebBtn = nullptr;
    ui::BitmapButton* OptionsBtn = nullptr;
    ui::Panel* InitPanel = nullptr;
    ui::Label* InitLbl = nullptr;
    TPaintPanel* Board = nullptr;
    CheckButtonGroup CategoryButtons{};

    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

  protected:
    void OnCreateHandle() override;
    void OnDestroyHandle() override;

  private:
    class StatusTimerRestart : public StatusTimer {
      public:
        explicit StatusTimerRestart(TMainForm& form) : form_(form) {}
        void Restart() override { form_.RestartStatusTimer(); }

      private:
        TMainForm& form_;
    };

    void FindControls();
    void DesignControls();
    void FitSmallScreen();
    void SelectStoredLengthClass();
    void CreateCategoryButtons();
    void BuildSysTrayMenu();
    void OnTimerTick(UINT_PTR id);
    void OnBoardToggle();
    void SetTextIfChanged(ui::Control& control, const std::string& text);

    MainFormHooks hooks_;
    StatusTimerRestart statusTimer_{*this};
    uint8_t ownLengthClass_ = kDefaultLengthClass;
    ui::IconHandle smallIcon_;
    ui::DibSection popupBitmap_;
    ui::PopupMenu sysTrayMenu_;
};

}  // namespace board
