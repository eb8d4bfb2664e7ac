// The three ways into the box (the page field's value, the window text, keystrokes), the
// limit check before them and the clipboard when there is no box.
#include "target/delivery.h"

#include "core/wipe.h"
#include "target/bstr.h"
#include "target/delivery_messages.h"
#include "target/keystrokes.h"
#include "ui/message_seam.h"

namespace korvalith {
namespace {

void CopyAndHide(const PasswordSource& password, const DeliveryHooks& hooks) {
    std::string text = password.Text();
    if (hooks.copy_to_clipboard) hooks.copy_to_clipboard(text);
    WipeString(text);
    if (hooks.hide_main_window) hooks.hide_main_window();
}

// The text the system gives for a failing call, as an unhandled error would show it.
void ShowError(HRESULT hr) {
    char* text = nullptr;
    FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, DWORD(hr), 0, reinterpret_cast<char*>(&text), 0, nullptr);
    char fallback[32];
    wsprintfA(fallback, "Error 0x%08lX", static_cast<unsigned long>(hr));
    ui::AskUser(ui::MessageKind::Error, text ? text : fallback,
                static_cast<unsigned>(ui::MessageButton::Ok));
    if (text) LocalFree(text);
}

HRESULT SetFieldValue(IHTMLInputElement* input, const PasswordSource& password) {
    std::string text = password.Text();
    Bstr value(AnsiToBstr(text));
    WipeString(text);
    const HRESULT hr = input->put_value(value.Get());
    value.Wipe();
    return hr;
}

void SetWindowText(HWND box, const PasswordSource& password) {
    std::string text = password.Text();
    SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    WipeString(text);
}

}  // namespace

InsertOutcome InsertPassword(TargetTracker& tracker, const PasswordSource& password,
                             const DeliveryHooks& hooks) {
    TargetState& target = tracker.State();
    if (!target.TargetBoxWnd) {
        CopyAndHide(password, hooks);
        return InsertOutcome::Copied;
    }
    if (!IsWindow(target.TargetBoxWnd)) {
        const ui::MessageButton answer =
            ui::AskUser(ui::MessageKind::Confirmation, kNoInsertQuestion,
                        ui::MessageButton::Yes | ui::MessageButton::No);
        if (answer != ui::MessageButton::Yes) return InsertOutcome::Declined;
        // The main window disabled the target's window; where it still exists, it is not
        // left disabled behind the hidden main window.
        if (IsWindow(target.TargetTopWnd)) EnableWindow(target.TargetTopWnd, TRUE);
        CopyAndHide(password, hooks);
        return InsertOutcome::Copied;
    }

    LONG limit = 0;
    if (target.TargetInput) {
        const HRESULT hr = target.TargetInput->get_maxLength(&limit);
        if (FAILED(hr)) {
            ShowError(hr);
            return InsertOutcome::Failed;
        }
    } else {
        limit = LONG(SendMessageA(target.TargetBoxWnd, EM_GETLIMITTEXT, 0, 0));
    }
    if (const auto message = LimitMessage(limit, password.Length())) {
        ui::AskUser(ui::MessageKind::Information, *message,
                    static_cast<unsigned>(ui::MessageButton::Ok));
        return InsertOutcome::LimitTooSmall;
    }

    EnableWindow(target.TargetTopWnd, TRUE);
    SetForegroundWindow(target.TargetTopWnd);
    if (target.TargetInput) {
        const HRESULT hr = SetFieldValue(target.TargetInput.Get(), password);
        if (FAILED(hr)) {
            ShowError(hr);
            return InsertOutcome::Failed;
        }
    } else if (limit > 0) {
        SetWindowText(target.TargetBoxWnd, password);
    } else {
        TypePassword(password);
    }
    tracker.ForgetTarget();
    if (hooks.hide_main_window) hooks.hide_main_window();
    return InsertOutcome::Delivered;
}

}  // namespace korvalith
