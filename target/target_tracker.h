// The target box: which foreign window, and which browser field, gets the password.
#pragma once

#include "target/caret_scan.h"
#include "target/screen_strip.h"
#include "ui/handles.h"

#include <windows.h>
#include <mshtml.h>

#include <functional>

namespace korvalith {

struct TargetState {
    HWND TargetTopWnd = nullptr;
    DWORD AttachedThreadId = 0;
    HWND TargetBoxWnd = nullptr;
    RECT TargetRect{};
    ui::ComRef<IHTMLInputElement> TargetInput;
};

// The message number of "WM_HTML_GETOBJECT", registered on first use and kept.
UINT HtmlGetObjectMessage();

// Keeps the target state for the main window and fills it from the foreground window.
class TargetTracker {
  public:
    struct Hooks {
        std::function<void()> place_popup;  // the target box or its rectangle changed
        std::function<void()> hover_step;   // the end of every tracking step in popup mode
    };

    // `capture` replaces the screen as the caret-box locator's source (tests); null: screen.
    explicit TargetTracker(HWND main_window, Hooks hooks = {}, StripSource* capture = nullptr);
    TargetTracker(const TargetTracker&) = delete;
    TargetTracker& operator=(const TargetTracker&) = delete;
    ~TargetTracker();

    void TrackTarget(bool popup_mode);
    // Detaches, then empties the whole state.
    void ClearTarget();
    // Detaches the foreign thread before the main window is shown; the target stays known.
    void DetachInput();
    // Empties the state without a detach call, as after a delivery.
    void ForgetTarget();

    const TargetState& State() const { return state_; }
    TargetState& State() { return state_; }
    HWND MainWindow() const { return main_window_; }

  private:
    HWND AcceptedForeground() const;
    void AttachTo(HWND foreground);
    HWND BrowserPath(HWND focus, RECT& rect);
    HWND EditPath(HWND focus, RECT& rect) const;
    std::optional<BoxRect> LocateAtCaret(HWND focus);

    // COM for the page documents, on this thread for the tracker's life.
    class Apartment {
      public:
        Apartment();
        Apartment(const Apartment&) = delete;
        Apartment& operator=(const Apartment&) = delete;
        ~Apartment();

      private:
        bool initialized_;
    };

    Apartment apartment_;
    // The page interfaces' type library, held once loaded: the standard marshaler builds every
    // page proxy from it and would otherwise read the library anew for each one.
    ui::ComRef<ITypeLib> page_typelib_;
    bool page_typelib_tried_ = false;
    HWND main_window_;
    Hooks hooks_;
    ScreenStripSource screen_;
    StripSource* capture_;
    TargetState state_;
};

}  // namespace korvalith
