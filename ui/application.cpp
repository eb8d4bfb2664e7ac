// Application object: the application window, the message loop and the hints of controls.
#include "ui/application.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/hint_window.h"
#include "ui/message_dialog.h"

namespace ui {
namespace {

constexpr char kAppClass[] = "KorvalithApplication";
constexpr UINT_PTR kHintShowTimer = 1;
constexpr UINT_PTR kHintHideTimer = 2;
// The hint sits below the pointer's hot spot, clear of the arrow.
constexpr int kHintBelowCursor = 20;

// The object behind the application window; set before that window is made, because the
// window's first messages arrive while Instance() is still constructing it.
Application* g_app = nullptr;

bool IsKeyMessage(UINT msg) { return msg >= WM_KEYFIRST && msg <= WM_KEYLAST; }

}  // namespace

Application& Application::Instance() {
    static Application app;
    return app;
}

Application::Application() : module_(GetModuleHandleA(nullptr)) {
    g_app = this;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&icc);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Application::AppProc;
    wc.hInstance = module_;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = kAppClass;
    RegisterClassExA(&wc);
    // A zero-size captioned popup: it never shows a frame but carries the taskbar button.
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
    hwnd_ = CreateWindowExA(0, kAppClass, "",
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                            x, y, 0, 0, nullptr, nullptr, module_, nullptr);
    if (!CurrentMessageSeam()) SetMessageSeam(&DialogMessageSeam());
}

Application::~Application() { delete hint_; }

void Application::SetTitle(const std::string& title) {
    title_ = title;
    SetWindowTextA(hwnd_, title.c_str());
}

void Application::SetIcon(HICON icon) {
    icon_ = icon;
    SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

int Application::Run() {
    while (!terminated_) {
        MSG msg;
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            NoteQuit(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1) break;
        ProcessMessage(msg);
    }
    return exit_code_;
}

void Application::ProcessMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            NoteQuit(static_cast<int>(msg.wParam));
            break;
        }
        ProcessMessage(msg);
    }
}

void Application::ProcessMessage(MSG& msg) {
    for (std::size_t i = 0; i < hooks_.size(); ++i)
        if (hooks_[i].fn && hooks_[i].fn(msg)) return;
    if (IsKeyMessage(msg.message) && msg.hwnd) {
        if (Form* form = FindForm(msg.hwnd)) {
            if (form->PreviewKey(msg)) return;
            // Enter for a control that wants it goes past the dialog manager, which would
            // turn it into a command for the form.
            auto* focused = dynamic_cast<Control*>(Window::FromHandle(GetFocus()));
            const bool return_for_control = msg.wParam == VK_RETURN && focused &&
                                            focused->WantsReturn() &&
                                            (msg.message == WM_KEYDOWN || msg.message == WM_CHAR);
            if (!return_for_control && IsDialogMessageA(form->Handle(), &msg)) return;
        }
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void Application::Terminate(int exit_code) { PostQuitMessage(exit_code); }

void Application::NoteQuit(int exit_code) {
    terminated_ = true;
    exit_code_ = exit_code;
}

void Application::BringToFront() {
    HWND top = GetLastActivePopup(hwnd_);
    if (top && top != hwnd_ && IsWindowVisible(top) && IsWindowEnabled(top))
        SetForegroundWindow(top);
}

void Application::AddForm(Form* form) {
    if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) forms_.push_back(form);
}

void Application::RemoveForm(Form* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}

Form* Application::FindForm(HWND wnd) const {
    if (!wnd) return nullptr;
    HWND root = GetAncestor(wnd, GA_ROOT);
    for (Form* f : forms_)
        if (f->Handle() == root) return f;
    return nullptr;
}

int Application::AddMessageHook(MessageHook hook) {
    hooks_.push_back(Hook{next_hook_, std::move(hook)});
    return next_hook_++;
}

void Application::RemoveMessageHook(int handle) {
    hooks_.erase(std::remove_if(hooks_.begin(), hooks_.end(),
                                [handle](const Hook& h) { return h.handle == handle; }),
                 hooks_.end());
}

void Application::ControlPointerEntered(Control* control) {
    CancelHint();
    hint_control_ = control;
    SetTimer(hwnd_, kHintShowTimer, hint_pause_, nullptr);
}

void Application::ControlPointerLeft(Control* control) {
    if (hint_control_ == control) CancelHint();
}

void Application::CancelHint() {
    KillTimer(hwnd_, kHintShowTimer);
    KillTimer(hwnd_, kHintHideTimer);
    hint_control_ = nullptr;
    if (hint_) hint_->Hide();
}

HintWindow* Application::ActiveHintWindow() const {
    return hint_ && hint_->Showing() ? hint_ : nullptr;
}

void Application::OnHintTimer() {
    KillTimer(hwnd_, kHintShowTimer);
    if (!hint_control_ || !hint_control_->Handle() || !hint_control_->MouseInside()) return;
    if (!hint_) hint_ = new HintWindow(hwnd_);
    POINT pt{};
    GetCursorPos(&pt);
    hint_->ShowAt(pt.x, pt.y + kHintBelowCursor, hint_control_->Hint());
    SetTimer(hwnd_, kHintHideTimer, hint_hide_pause_, nullptr);
}

LRESULT CALLBACK Application::AppProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (!g_app) return DefWindowProcA(wnd, msg, wp, lp);
    Application& app = *g_app;
    switch (msg) {
        case WM_TIMER:
            if (wp == kHintShowTimer) {
                app.OnHintTimer();
            } else if (wp == kHintHideTimer) {
                KillTimer(wnd, kHintHideTimer);
                if (app.hint_) app.hint_->Hide();
            }
            return 0;
        case WM_CLOSE:
            if (app.main_form_) app.main_form_->Close();
            return 0;
        default:
            return DefWindowProcA(wnd, msg, wp, lp);
    }
}

}  // namespace ui
