// The main window's activation: creation and destruction steps of its handle, tray icon, hot
// key, the messages it answers, showing for a target and hiding.
#include "target/activation.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "board/clipboard.h"
#include "core/wipe.h"
#include "resources/resource_ids.h"
#include "target/delivery.h"
#include "shell/instance.h"
#include "target/activation_tip.h"
#include "ui/application.h"
#include "ui/message_seam.h"

namespace korvalith {
namespace {

constexpr UINT_PTR kStatusTimer = 3;
constexpr int kHotKeyId = 0;
constexpr UINT kTrayIconId = 0;
constexpr char kTrayMessageName[] = "WM_NOTIFYICON_KORVALITH";
constexpr int kSmallIconSize = 16;
constexpr char kNoTargetText[] =
    "Korvalith could not detect the target password box.\rKorvalith can copy the password onto "
    "the Windows clipboard so that you can paste it manually.";

// The record in its first form (88 bytes for 32-bit programs): what every shell understands.
constexpr DWORD kTrayRecordSize = NOTIFYICONDATAA_V1_SIZE;

constexpr UINT kTrayClicks[] = {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_MBUTTONDOWN};

HWND ApplicationWindow() { return ui::Application::Instance().Handle(); }

UINT HotKeyModifiers(uint16_t hotKey) {
    UINT modifiers = 0;
    if (hotKey & ui::kShortcutAlt) modifiers |= MOD_ALT;
    if (hotKey & ui::kShortcutCtrl) modifiers |= MOD_CONTROL;
    if (hotKey & ui::kShortcutShift) modifiers |= MOD_SHIFT;
    return modifiers;
}

// The program's small icon: extracted from the program file by its bare name, as the shell
// would, else the icon resource the main window uses, which is the same picture.
HICON ProgramSmallIcon() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const char* name = std::strrchr(path, '\\');
    name = name ? name + 1 : path;
    HICON large = nullptr;
    HICON small = nullptr;
    // On failure the call returns UINT_MAX and may leave garbage in the outputs.
    const UINT extracted = ExtractIconExA(name, 0, &large, &small, 1);
    if (extracted != 0 && extracted != UINT_MAX) {
        if (large) DestroyIcon(large);
        if (small) return small;
    }
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr),
                                         MAKEINTRESOURCEA(KORVALITH_ICON_PROGRAM), IMAGE_ICON,
                                         kSmallIconSize, kSmallIconSize, LR_DEFAULTCOLOR));
}

void SendOrPost(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, bool post) {
    if (post)
        PostMessageA(wnd, msg, wp, lp);
    else
        SendMessageA(wnd, msg, wp, lp);
}

}  // namespace

Activation::Activation(ActivationSettings settings) : settings_(std::move(settings)) {}

Activation::~Activation() = default;

void Activation::Attach(board::MainFormHooks& hooks) {
    hooks.handleCreated = [this](board::TMainForm& f) { HandleCreated(f); };
    hooks.handleDestroying = [this](board::TMainForm& f) { HandleDestroying(f); };
    hooks.installHotKey = [this](board::TMainForm& f) { InstallHotKey(f); };
    hooks.wndProc = [this](board::TMainForm& f, UINT msg, WPARAM wp, LPARAM lp, LRESULT& r) {
        return WndProc(f, msg, wp, lp, r);
    };
    hooks.trackTarget = [this](board::TMainForm& f) { OnTrackTimer(f); };
    hooks.formClose = [this](board::TMainForm& f, ui::CloseAction& a) { FormClose(f, a); };
    hooks.closeMenuItem = [this](board::TMainForm& f) { CloseMenuItemClick(f); };
    hooks.targetPresent = [this] { return tracker_ && tracker_->State().TargetBoxWnd != nullptr; };
    hooks.insBtnClick = [this](board::TMainForm& f) { InsBtnClick(f); };
}

uint16_t Activation::HotKey() const { return settings_.hotKey ? settings_.hotKey() : 0; }

// The board starts the three timers before this runs.
void Activation::HandleCreated(board::TMainForm& form) {
    TargetTracker::Hooks trackerHooks;
    trackerHooks.place_popup = [this, &form] { PlacePopup(form); };
    trackerHooks.hover_step = [this] {
        if (popup_) popup_->HoverStep();
    };
    tracker_ = std::make_unique<TargetTracker>(form.Handle(), std::move(trackerHooks));
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(KORVALITH_ICON_PROGRAM));
    SendMessageA(form.Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    AddTrayIcon(form);
    HideMainWindow(form, true);
    InstallHotKey(form);
    // Last: the marker exists exactly while a fully set-up main window does.
    SetInstanceMarker(form.Handle());
}

// The board kills the timers 3, 2 and 1 after this has run.
void Activation::HandleDestroying(board::TMainForm& form) {
    ClearTarget();
    RemoveInstanceMarker(form.Handle());
    UnregisterHotKey(form.Handle(), kHotKeyId);
    RemoveTrayIcon(form);
    popup_.reset();
    tracker_.reset();
}

// The button is made when a box is first found: the main window's small icon exists by then.
void Activation::PlacePopup(board::TMainForm& form) {
    if (!popup_) {
        PopupButton::Hooks popupHooks;
        popupHooks.clicked = [this, &form] { ShowMainWindow(form, true); };
        popupHooks.hint_pause = [] { return ui::Application::Instance().HintPause(); };
        popup_ = std::make_unique<PopupButton>(form.Handle(), ApplicationWindow(),
                                               form.SmallIcon(), std::move(popupHooks));
    }
    popup_->Place(tracker_->State());
}

// "Insert" or Enter: the password into the target box, or onto the clipboard.
void Activation::InsBtnClick(board::TMainForm& form) {
    std::string password = form.PasswordText();
    if (tracker_) {
        DeliveryHooks deliveryHooks;
        deliveryHooks.copy_to_clipboard = [&form](const std::string& text) {
            board::CopyPasswordToClipboard(text, form.Handle());
        };
        deliveryHooks.hide_main_window = [this, &form] { HideMainWindow(form, false); };
        InsertPassword(*tracker_, StringPassword(password), deliveryHooks);
    } else {
        board::CopyPasswordToClipboard(password, form.Handle());
        HideMainWindow(form, false);
    }
    WipeString(password);
}

void Activation::AddTrayIcon(board::TMainForm& form) {
    tray_ = NOTIFYICONDATAA{};
    tray_.cbSize = kTrayRecordSize;
    tray_.hWnd = form.Handle();
    tray_.uID = kTrayIconId;
    tray_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    tray_message_ = RegisterWindowMessageA(kTrayMessageName);
    tray_.uCallbackMessage = tray_message_;
    tray_icon_.Reset(ProgramSmallIcon());
    tray_.hIcon = tray_icon_.Get();
    const std::string tip = TrayTip(HotKey());
    const size_t length = std::min(tip.size(), sizeof tray_.szTip - 1);
    std::memcpy(tray_.szTip, tip.data(), length);
    Shell_NotifyIconA(NIM_ADD, &tray_);
}

void Activation::RemoveTrayIcon(board::TMainForm& form) {
    tray_icon_.Reset();
    tray_ = NOTIFYICONDATAA{};
    tray_.cbSize = kTrayRecordSize;
    tray_.hWnd = form.Handle();
    Shell_NotifyIconA(NIM_DELETE, &tray_);
}

void Activation::InstallHotKey(board::TMainForm& form) {
    const uint16_t hotKey = HotKey();
    if (hotKey == 0) return;
    RegisterHotKey(form.Handle(), kHotKeyId, HotKeyModifiers(hotKey),
                   hotKey & ui::kShortcutKeyMask);
}

bool Activation::WndProc(board::TMainForm& form, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    result = 0;
    if (tray_message_ != 0 && msg == tray_message_) {
        OnTrayCallback(form, lp);
        return true;
    }
    if (msg == CloseRequestMsg()) {
        RealClose = true;
        form.Close();
        return true;
    }
    switch (msg) {
        case WM_HOTKEY:
            OnHotKey(form);
            return true;
        case WM_QUERYENDSESSION:
            RealClose = true;
            result = 1;
            return true;
        default:
            return false;
    }
}

void Activation::OnTrayCallback(board::TMainForm& form, LPARAM lp) {
    const UINT mouse = static_cast<UINT>(lp);
    if (std::find(std::begin(kTrayClicks), std::end(kTrayClicks), mouse) == std::end(kTrayClicks))
        return;
    const bool shown = IsWindowVisible(form.Handle()) != FALSE;
    if (!shown) {
        ClearTarget();
        ClosePopup();
    }
    if (shown || InDialog)
        ui::Application::Instance().BringToFront();
    else
        SetForegroundWindow(form.Handle());
    POINT at{};
    GetCursorPos(&at);
    form.SysTrayMenu().Popup(form.Handle(), at.x, at.y, false);
    // Lets the menu's window go away properly when it was dismissed by a click elsewhere.
    PostMessageA(form.Handle(), WM_NULL, 0, 0);
}

void Activation::OnHotKey(board::TMainForm& form) {
    if (!IsWindowVisible(form.Handle()) && !InDialog) ShowMainWindow(form, false);
}

void Activation::ShowMainWindow(board::TMainForm& form, bool fromPopup) {
    ClosePopup();
    if (!fromPopup && tracker_) tracker_->TrackTarget(false);
    if (tracker_) tracker_->DetachInput();
    HWND app = ApplicationWindow();
    ShowWindow(form.Handle(), SW_HIDE);
    ShowWindow(app, SW_HIDE);
    const TargetState* target = tracker_ ? &tracker_->State() : nullptr;
    if (target && target->TargetBoxWnd) EnableWindow(target->TargetTopWnd, FALSE);
    form.PrepareForShow();
    form.Show();
    ShowWindow(app, SW_SHOW);
    BringWindowToTop(form.Handle());
    SetForegroundWindow(app);
    if (!target || !target->TargetBoxWnd)
        ui::AskUser(ui::MessageKind::Information, kNoTargetText,
                    static_cast<unsigned>(ui::MessageButton::Ok));
}

void Activation::HideMainWindow(board::TMainForm& form, bool post) {
    SendOrPost(form.Handle(), WM_SHOWWINDOW, FALSE, SW_PARENTCLOSING, post);
    SendOrPost(ApplicationWindow(), WM_SHOWWINDOW, FALSE, SW_PARENTCLOSING, post);
}

void Activation::OnTrackTimer(board::TMainForm& form) {
    if (!tracker_) return;
    const bool shown = IsWindowVisible(form.Handle()) != FALSE;
    const bool popupWnd = settings_.popupWnd && settings_.popupWnd();
    if (popupWnd && !shown && !InDialog) {
        tracker_->TrackTarget(true);
        return;
    }
    const TargetState& target = tracker_->State();
    if (!target.TargetBoxWnd || GetForegroundWindow() != target.TargetTopWnd) return;
    // The user switched to the disabled target window: take the foreground back.
    const DWORD me = GetCurrentThreadId();
    const DWORD them = GetWindowThreadProcessId(target.TargetTopWnd, nullptr);
    AttachThreadInput(me, them, TRUE);
    if (IsIconic(form.Handle())) ShowWindow(form.Handle(), SW_SHOW);
    SetForegroundWindow(ApplicationWindow());
    AttachThreadInput(me, them, FALSE);
}

void Activation::FormClose(board::TMainForm& form, ui::CloseAction& action) {
    if (tracker_ && tracker_->State().TargetBoxWnd) {
        EnableWindow(tracker_->State().TargetTopWnd, TRUE);
        SetForegroundWindow(tracker_->State().TargetTopWnd);
    }
    ClearTarget();
    if (RealClose) {
        action = ui::CloseAction::Free;
    } else {
        action = ui::CloseAction::None;
        HideMainWindow(form, true);
    }
}

void Activation::CloseMenuItemClick(board::TMainForm& form) {
    RealClose = true;
    form.Close();
}

void Activation::ClosePopup() {
    if (popup_) popup_->Close();
}

void Activation::ClearTarget() {
    if (tracker_) tracker_->ClearTarget();
}

}  // namespace korvalith
