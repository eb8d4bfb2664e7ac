// TrackTarget: the foreground window's focus, its caret, and the box that takes a password.
#include "target/target_tracker.h"

#include "target/html_walk.h"
#include "target/oleacc_loader.h"
#include "target/window_class.h"

#include <cstring>
#include <string_view>

namespace korvalith {
namespace {

constexpr char kTaskbarClass[] = "Shell_TrayWnd";
constexpr char kDesktopClass[] = "Progman";
constexpr char kBrowserClass[] = "Internet Explorer_Server";
// Windows that draw their own text boxes: a browser's content, and a browser frame whose
// focused control is taken whatever it is.
constexpr std::string_view kSelfDrawnBoxClasses[] = {"MozillaWindowClass", "WebViewWindowClass"};
constexpr char kOperaFrameClass[] = "OpWindow";
constexpr std::string_view kRichEditPrefix = "RichEdit";
constexpr UINT kDocumentTimeoutMs = 1000;
// The MSHTML type library, version 4.0.
constexpr GUID kMshtmlTypeLib = {
    0x3050F1C5, 0x98B5, 0x11CF, {0xBB, 0x82, 0x00, 0xAA, 0x00, 0xBD, 0xCE, 0x0B}};

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

UINT HtmlGetObjectMessage() {
    static const UINT msg = RegisterWindowMessageA("WM_HTML_GETOBJECT");
    return msg;
}

TargetTracker::Apartment::Apartment()
    : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}

TargetTracker::Apartment::~Apartment() {
    if (initialized_) CoUninitialize();
}

TargetTracker::TargetTracker(HWND main_window, Hooks hooks, StripSource* capture)
    : main_window_(main_window), hooks_(std::move(hooks)), capture_(capture ? capture : &screen_) {
    HtmlGetObjectMessage();
}

TargetTracker::~TargetTracker() {
    ClearTarget();
    page_typelib_.Reset();  // before the apartment ends
}

HWND TargetTracker::AcceptedForeground() const {
    HWND w = GetForegroundWindow();
    if (!w) return nullptr;
    const std::string cls = WindowClassName(w);
    if (cls == kTaskbarClass || cls == kDesktopClass) return nullptr;
    if (GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId()) return nullptr;
    if (!IsWindowVisible(w) || !IsWindowEnabled(w)) return nullptr;
    return w;
}

void TargetTracker::AttachTo(HWND foreground) {
    const DWORD thread = foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
    state_.TargetTopWnd = foreground;
    if (thread == state_.AttachedThreadId) return;
    if (state_.AttachedThreadId)
        AttachThreadInput(GetCurrentThreadId(), state_.AttachedThreadId, FALSE);
    if (thread) AttachThreadInput(GetCurrentThreadId(), thread, TRUE);
    state_.AttachedThreadId = thread;
}

std::optional<BoxRect> TargetTracker::LocateAtCaret(HWND focus) {
    POINT caret{};
    GetCaretPos(&caret);
    ClientToScreen(focus, &caret);
    return LocateCaretBox({caret.x, caret.y}, *capture_);
}

HWND TargetTracker::BrowserPath(HWND focus, RECT& rect) {
    const ObjectFromLresultFn objectFromLresult = ObjectFromLresultEntry();
    if (!objectFromLresult) return focus;
    if (!page_typelib_tried_) {
        page_typelib_tried_ = true;
        LoadRegTypeLib(kMshtmlTypeLib, 4, 0, LOCALE_NEUTRAL, page_typelib_.Put());
    }
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(focus, HtmlGetObjectMessage(), 0, 0, SMTO_ABORTIFHUNG,
                             kDocumentTimeoutMs, &answer))
        return focus;
    ui::ComRef<IHTMLDocument2> document;
    if (objectFromLresult(LRESULT(answer), IID_IHTMLDocument2, 0, document.PutVoid()) != S_OK ||
        !document)
        return focus;
    auto found = FindFocusedPasswordInput(document.Get(), [&] { return LocateAtCaret(focus); });
    if (found) {
        state_.TargetInput = std::move(found->input);
        rect = {found->rect.Left, found->rect.Top, found->rect.Right, found->rect.Bottom};
    }
    return focus;
}

HWND TargetTracker::EditPath(HWND focus, RECT& rect) const {
    const std::string cls = WindowClassName(focus);
    bool accepted = SendMessageA(focus, EM_GETLIMITTEXT, 0, 0) != 0;
    for (std::string_view selfDrawn : kSelfDrawnBoxClasses) accepted = accepted || cls == selfDrawn;
    accepted = accepted || WindowClassName(state_.TargetTopWnd) == kOperaFrameClass;
    if (!accepted) return nullptr;
    GetWindowRect(focus, &rect);
    // RichEdit controls draw one pixel beyond their window rectangle on the right.
    if (std::string_view(cls).substr(0, kRichEditPrefix.size()) == kRichEditPrefix) ++rect.right;
    return focus;
}

void TargetTracker::TrackTarget(bool popup_mode) {
    const HWND foreground = AcceptedForeground();
    if (foreground != state_.TargetTopWnd) AttachTo(foreground);

    HWND focus = state_.TargetTopWnd ? GetFocus() : nullptr;
    RECT rect{};
    state_.TargetInput.Reset();
    if (focus) {
        POINT caret{};
        GetCaretPos(&caret);
        const bool atOrigin = caret.x == 0 && caret.y == 0;
        if (WindowClassName(focus) == kBrowserClass && !atOrigin)
            focus = BrowserPath(focus, rect);
        else
            focus = EditPath(focus, rect);
    }

    if (focus != state_.TargetBoxWnd || !SameRect(rect, state_.TargetRect)) {
        state_.TargetBoxWnd = focus;
        state_.TargetRect = rect;
        if (popup_mode && hooks_.place_popup) hooks_.place_popup();
    }
    if (popup_mode && hooks_.hover_step) hooks_.hover_step();
}

void TargetTracker::DetachInput() {
    if (state_.AttachedThreadId)
        AttachThreadInput(GetCurrentThreadId(), state_.AttachedThreadId, FALSE);
    state_.AttachedThreadId = 0;
}

void TargetTracker::ClearTarget() {
    DetachInput();
    ForgetTarget();
}

void TargetTracker::ForgetTarget() {
    state_.AttachedThreadId = 0;
    state_.TargetTopWnd = nullptr;
    state_.TargetBoxWnd = nullptr;
    state_.TargetRect = RECT{};
    state_.TargetInput.Reset();
}

}  // namespace korvalith
