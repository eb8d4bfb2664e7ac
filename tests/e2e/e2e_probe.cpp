// Reads what the call-up scripts cannot see from X: the running Korvalith's window position,
// password line and shown state, another window's enabled state, the clipboard text and the
// popup button. One command per run; exit code 0 when the awaited state was reached.
//   shown MS | hidden MS      the marked main window becomes visible / invisible
//   origin                    screen position of the main window's client area: "X Y"
//   password                  the text of the main window's read-only password line
//   enabled HWND              "1" or "0" for the window with that hexadecimal handle
//   foreground                the foreground window's handle in hexadecimal
//   clipboard                 the clipboard's CF_TEXT text
//   popup MS                  waits for a visible popup button, prints "LEFT TOP RIGHT BOTTOM"
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "shell/instance.h"
#include "tests/wine/probe_support.h"

namespace {

using probe::Await;

constexpr char kPopupClass[] = "TPopupBtnForm";

BOOL CALLBACK FindReadOnlyEdit(HWND w, LPARAM p) {
    char cls[32] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (_stricmp(cls, "EDIT") != 0 || !(GetWindowLongA(w, GWL_STYLE) & ES_READONLY)) return TRUE;
    *reinterpret_cast<HWND*>(p) = w;
    return FALSE;
}

std::string Text(HWND w) {
    char buf[256] = {};
    SendMessageA(w, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf));
    return buf;
}

std::string Clipboard() {
    std::string text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(data))) {
            text = p;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

HWND VisiblePopup() {
    HWND w = FindWindowA(kPopupClass, nullptr);
    while (w && !IsWindowVisible(w)) w = FindWindowExA(nullptr, w, kPopupClass, nullptr);
    return w;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string cmd = argv[1];
    const char* arg = argc > 2 ? argv[2] : "0";
    if (cmd == "clipboard") {
        std::printf("%s\n", Clipboard().c_str());
        return 0;
    }
    if (cmd == "enabled") {
        HWND w = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(arg, nullptr, 16)));
        if (!IsWindow(w)) return 1;
        std::printf("%d\n", IsWindowEnabled(w) ? 1 : 0);
        return 0;
    }
    if (cmd == "foreground") {
        std::printf("%llx\n", static_cast<unsigned long long>(
                                  reinterpret_cast<UINT_PTR>(GetForegroundWindow())));
        return 0;
    }
    if (cmd == "popup") {
        HWND p = nullptr;
        if (!Await(std::strtoul(arg, nullptr, 10), [&] { return (p = VisiblePopup()) != nullptr; }))
            return 1;
        RECT r{};
        GetWindowRect(p, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
        return 0;
    }
    HWND main = FindMarkedWindow();
    if (!main) return 1;
    if (cmd == "shown" || cmd == "hidden") {
        const bool want = cmd == "shown";
        return Await(std::strtoul(arg, nullptr, 10),
                     [&] { return (IsWindowVisible(main) != FALSE) == want; })
                   ? 0
                   : 1;
    }
    if (cmd == "origin") {
        POINT origin{0, 0};
        ClientToScreen(main, &origin);
        std::printf("%ld %ld\n", origin.x, origin.y);
        return 0;
    }
    if (cmd == "password") {
        HWND edit = nullptr;
        EnumChildWindows(main, FindReadOnlyEdit, reinterpret_cast<LPARAM>(&edit));
        if (!edit) return 1;
        std::printf("%s\n", Text(edit).c_str());
        return 0;
    }
    return 2;
}
