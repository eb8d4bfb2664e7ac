// Activation of the main window: the timers' companions (tray icon, hot key, instance marker),
// the messages that call the window up or end the program, and showing and hiding it.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "board/main_form.h"
#include "target/popup_button.h"
#include "target/target_tracker.h"
#include "ui/handles.h"

namespace korvalith {

// The settings activation reads, supplied by the start-up.
struct ActivationSettings {
    std::function<uint16_t()> hotKey;  // shortcut form; 0: no hot key
    std::function<bool()> popupWnd;    // the popup button beside password boxes
};

class Activation {
  public:
    explicit Activation(ActivationSettings settings);
    Activation(const Activation&) = delete;
    Activation& operator=(const Activation&) = delete;
    ~Activation();

    // Fills the main window's hooks that belong to activation.
    void Attach(board::MainFormHooks& hooks);

    void ShowMainWindow(board::TMainForm& form, bool fromPopup);
    // Sends (synchronously) or posts the hide step to the main window and the application window.
    void HideMainWindow(board::TMainForm& form, bool post);
    void AddTrayIcon(board::TMainForm& form);
    void RemoveTrayIcon(board::TMainForm& form);
    void InstallHotKey(board::TMainForm& form);

    bool RealClose = false;
    // Set while a modal dialog of the program is open: the hot key and the popup tracking wait.
    bool InDialog = false;

    // The target state; exists while the main window's handle does.
    TargetTracker* Tracker() const { return tracker_.get(); }
    // The popup button beside a detected password box; none until one is first placed.
    PopupButton* Popup() const { return popup_.get(); }

    UINT TrayCallbackMessage() const { return tray_message_; }
    const NOTIFYICONDATAA& TrayRecord() const { return tray_; }

  private:
    void HandleCreated(board::TMainForm& form);
    void HandleDestroying(board::TMainForm& form);
    bool WndProc(board::TMainForm& form, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    void OnTrayCallback(board::TMainForm& form, LPARAM lp);
    void OnHotKey(board::TMainForm& form);
    void OnTrackTimer(board::TMainForm& form);
    void FormClose(board::TMainForm& form, ui::CloseAction& action);
    void CloseMenuItemClick(board::TMainForm& form);
    void ClosePopup();
    void ClearTarget();
    void PlacePopup(board::TMainForm& form);
    void InsBtnClick(board::TMainForm& form);
    uint16_t HotKey() const;

    ActivationSettings settings_;
    std::unique_ptr<TargetTracker> tracker_;
    std::unique_ptr<PopupButton> popup_;
    NOTIFYICONDATAA tray_{};
    ui::IconHandle tray_icon_;
    UINT tray_message_ = 0;
};

}  // namespace korvalith
