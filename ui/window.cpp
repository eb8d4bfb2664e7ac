// Binding of window objects to their windows and the routing of messages to them.
#include "ui/window.h"

#include <set>
#include <string>

namespace ui {
namespace {

// Backup of a subclassed control's own procedure, for messages after its object let go.
constexpr char kOriginalProcProp[] = "KorvalithUiOriginalProc";

HWND ChildOfNotification(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
            return reinterpret_cast<HWND>(lp);  // null for menus and accelerators
        case WM_NOTIFY:
            return lp ? reinterpret_cast<const NMHDR*>(lp)->hwndFrom : nullptr;
        case WM_DRAWITEM: {
            const auto* di = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
            return di && di->CtlType != ODT_MENU ? di->hwndItem : nullptr;
        }
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
        case WM_HSCROLL:
        case WM_VSCROLL:
            return reinterpret_cast<HWND>(lp);
        default:
            return nullptr;
    }
}

}  // namespace

Window::~Window() {
    if (!hwnd_) return;
    // The derived parts are gone: let the window's last messages go to the default handling.
    HWND wnd = hwnd_;
    SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
    if (original_) {
        SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        RemovePropA(wnd, kOriginalProcProp);
    }
    hwnd_ = nullptr;
    DestroyWindow(wnd);
}

Window* Window::FromHandle(HWND wnd) {
    if (!wnd) return nullptr;
    const auto proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(wnd, GWLP_WNDPROC));
    if (proc != &Window::OwnProc && proc != &Window::SubclassProc) return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
}

const char* Window::OwnClass(const char* name, UINT class_style, HBRUSH background) {
    static std::set<std::string> registered;
    if (registered.insert(name).second) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.style = class_style;
        wc.lpfnWndProc = &Window::OwnProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.hbrBackground = background;
        wc.lpszClassName = name;
        RegisterClassExA(&wc);
    }
    return name;
}

bool Window::CreateOwn(const char* class_name, DWORD ex_style, DWORD style, const char* text, int x,
                       int y, int w, int h, HWND parent, HMENU menu_or_id) {
    CreateWindowExA(ex_style, class_name, text, style, x, y, w, h, parent, menu_or_id,
                    GetModuleHandleA(nullptr), this);
    return hwnd_ != nullptr;
}

bool Window::CreateStandard(const char* class_name, DWORD ex_style, DWORD style, const char* text,
                            int x, int y, int w, int h, HWND parent, int id) {
    HWND wnd = CreateWindowExA(ex_style, class_name, text, style, x, y, w, h, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleA(nullptr), nullptr);
    if (!wnd) return false;
    hwnd_ = wnd;
    SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::SubclassProc)));
    SetPropA(wnd, kOriginalProcProp, reinterpret_cast<HANDLE>(original_));
    return true;
}

void Window::DestroyHandle() {
    if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT Window::DefaultHandler(UINT msg, WPARAM wp, LPARAM lp) {
    if (original_) return CallWindowProcA(original_, hwnd_, msg, wp, lp);
    return DefWindowProcA(hwnd_, msg, wp, lp);
}

LRESULT Window::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    switch (msg) {
        case WM_PAINT:
            if (OnPaintMessage(result)) return result;
            break;
        case WM_PRINTCLIENT:
            if (OnPrintClient(reinterpret_cast<HDC>(wp), result)) return result;
            break;
        case WM_ERASEBKGND:
            if (OnEraseBackground(reinterpret_cast<HDC>(wp), result)) return result;
            break;
        case WM_DESTROY:
            OnDestroy();
            break;
        default:
            break;
    }
    return DefaultHandler(msg, wp, lp);
}

bool Window::ReflectedMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

bool Window::ReflectToChild(HWND parent, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    HWND child = ChildOfNotification(msg, wp, lp);
    if (!child || child == parent) return false;
    Window* obj = FromHandle(child);
    return obj && obj->ReflectedMessage(msg, wp, lp, result);
}

void Window::TrackPointer(UINT msg) {
    if (msg == WM_MOUSEMOVE && !mouse_inside_) {
        mouse_inside_ = true;
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd_, 0};
        TrackMouseEvent(&tme);
        WndProc(CM_MOUSEENTER, 0, 0);
    } else if (msg == WM_MOUSELEAVE && mouse_inside_) {
        mouse_inside_ = false;
        WndProc(CM_MOUSELEAVE, 0, 0);
    }
}

LRESULT Window::Route(Window* self, HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (ReflectToChild(wnd, msg, wp, lp, result)) return result;
    if (self->track_mouse_ && (msg == WM_MOUSEMOVE || msg == WM_MOUSELEAVE))
        self->TrackPointer(msg);
    result = self->WndProc(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
        if (self->original_) {
            SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(self->original_));
            RemovePropA(wnd, kOriginalProcProp);
            self->original_ = nullptr;
        }
        self->hwnd_ = nullptr;
        self->mouse_inside_ = false;
        self->OnHandleLost();
    }
    return result;
}

LRESULT CALLBACK Window::OwnProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
        auto* self = static_cast<Window*>(cs->lpCreateParams);
        if (self) {
            self->hwnd_ = wnd;
            SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(wnd, msg, wp, lp);
    return Route(self, wnd, msg, wp, lp);
}

LRESULT CALLBACK Window::SubclassProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    if (!self) {
        auto original = reinterpret_cast<WNDPROC>(GetPropA(wnd, kOriginalProcProp));
        return original ? CallWindowProcA(original, wnd, msg, wp, lp)
                        : DefWindowProcA(wnd, msg, wp, lp);
    }
    return Route(self, wnd, msg, wp, lp);
}

}  // namespace ui
