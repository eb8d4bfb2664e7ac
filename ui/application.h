// The application object: invisible application window, main form, message loop, hints.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/handles.h"

namespace ui {

class Control;
class Form;
class HintWindow;

class Application {
  public:
    // The one application object, made on first use (it also installs the message dialog
    // as the message seam).
    static Application& Instance();

    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    HINSTANCE Module() const { return module_; }
    // The invisible top-level window that owns the forms and carries the taskbar button.
    HWND Handle() const { return hwnd_; }

    void SetTitle(const std::string& title);  // also the application window's text
    const std::string& Title() const { return title_; }
    // WM_SETICON (big and small) to the application window; the icon is not owned.
    void SetIcon(HICON icon);
    HICON Icon() const { return icon_; }

    // Delay before a control's hint is shown, in milliseconds (500 unless changed).
    unsigned HintPause() const { return hint_pause_; }
    void SetHintPause(unsigned ms) { hint_pause_ = ms; }
    // How long a control's hint stays (2500 ms unless changed).
    unsigned HintHidePause() const { return hint_hide_pause_; }
    void SetHintHidePause(unsigned ms) { hint_hide_pause_ = ms; }

    // Closing the main form ends the message loop.
    void SetMainForm(Form* form) { main_form_ = form; }
    Form* MainForm() const { return main_form_; }

    // Runs the message loop until the quit message is received; returns its exit code.
    int Run();
    // Handles all waiting messages, then returns.
    void ProcessMessages();
    // Processes one message as the loop does (hooks, key preview, dialog keys, dispatch).
    void ProcessMessage(MSG& msg);
    // Posts the quit message; Terminated() becomes true when the loop receives it.
    void Terminate(int exit_code = 0);
    bool Terminated() const { return terminated_; }
    // Marks the quit message as received (modal loops that meet WM_QUIT call it).
    void NoteQuit(int exit_code);

    // Brings the application's last active popup (its active form) to the foreground.
    void BringToFront();

    // Forms register themselves when their window is made.
    void AddForm(Form* form);
    void RemoveForm(Form* form);
    const std::vector<Form*>& Forms() const { return forms_; }
    // The form whose window (or a child of it) is wnd; null if none of ours.
    Form* FindForm(HWND wnd) const;

    // Hooks that see every message before the loop handles it; true consumes it.
    using MessageHook = std::function<bool(MSG& msg)>;
    int AddMessageHook(MessageHook hook);
    void RemoveMessageHook(int handle);

    // Hint handling for controls (called by the controls on pointer enter/leave).
    void ControlPointerEntered(Control* control);
    void ControlPointerLeft(Control* control);
    void CancelHint();
    HintWindow* ActiveHintWindow() const;

  private:
    Application();
    ~Application();
    static LRESULT CALLBACK AppProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
    void OnHintTimer();

    HINSTANCE module_;
    HWND hwnd_ = nullptr;
    std::string title_;
    HICON icon_ = nullptr;
    unsigned hint_pause_ = 500;
    unsigned hint_hide_pause_ = 2500;
    Form* main_form_ = nullptr;
    bool terminated_ = false;
    int exit_code_ = 0;
    std::vector<Form*> forms_;
    struct Hook {
        int handle;
        MessageHook fn;
    };
    std::vector<Hook> hooks_;
    int next_hook_ = 1;
    Control* hint_control_ = nullptr;
    HintWindow* hint_ = nullptr;
    bool hint_shown_ = false;
};

}  // namespace ui
