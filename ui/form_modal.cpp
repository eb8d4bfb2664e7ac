// Form closing and modal showing: the close query, the close action and the nested loop.
#include <vector>

#include "ui/application.h"
#include "ui/form.h"

namespace ui {
namespace {

struct DisabledWindows {
    HWND except;
    std::vector<HWND> list;
};

BOOL CALLBACK DisableOne(HWND wnd, LPARAM lp) {
    auto* d = reinterpret_cast<DisabledWindows*>(lp);
    if (wnd != d->except && IsWindowVisible(wnd) && IsWindowEnabled(wnd)) {
        EnableWindow(wnd, FALSE);
        d->list.push_back(wnd);
    }
    return TRUE;
}

}  // namespace

bool Form::CloseQuery() { return OnCloseQuery ? OnCloseQuery(*this) : true; }

void Form::Close() {
    if (modal_) {
        if (modal_result_ == kMrNone) modal_result_ = kMrCancel;
        return;
    }
    RunCloseSequence(false);
}

void Form::RunCloseSequence(bool for_modal) {
    if (!CloseQuery()) {
        if (for_modal) modal_result_ = kMrNone;
        return;
    }
    CloseAction action = CloseAction::Hide;
    if (OnClose) OnClose(*this, action);
    if (action == CloseAction::None) {
        if (for_modal) modal_result_ = kMrNone;
        return;
    }
    if (for_modal) {
        if (action == CloseAction::Free) Destroy();
        return;  // ShowModal hides the form
    }
    Application& app = Application::Instance();
    if (app.MainForm() == this)
        app.Terminate();
    else if (action == CloseAction::Hide)
        Hide();
    else
        Destroy();
}

int Form::ShowModal() {
    Application& app = Application::Instance();
    app.CancelHint();
    modal_ = true;
    modal_result_ = kMrNone;
    DisabledWindows disabled{Handle(), {}};
    EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(&disabled));
    HWND focus = focus_;
    Show();
    SetForegroundWindow(Handle());
    if (!focus || !IsChild(Handle(), focus)) focus = GetNextDlgTabItem(Handle(), nullptr, FALSE);
    if (focus) ::SetFocus(focus);

    for (;;) {
        if (modal_result_ != kMrNone) {
            RunCloseSequence(true);
            if (modal_result_ != kMrNone) break;
        }
        if (!Handle()) break;
        MSG msg;
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // The quit message ends the modal loop and, put back, the outer loop too.
            app.NoteQuit(static_cast<int>(msg.wParam));
            PostQuitMessage(static_cast<int>(msg.wParam));
            if (modal_result_ == kMrNone) modal_result_ = kMrCancel;
            break;
        }
        if (got == -1) break;
        app.ProcessMessage(msg);
    }
    // Enabling the others before hiding lets the activation go back to them.
    for (HWND w : disabled.list)
        if (IsWindow(w)) EnableWindow(w, TRUE);
    if (Handle()) Hide();
    modal_ = false;
    return modal_result_;
}

}  // namespace ui
