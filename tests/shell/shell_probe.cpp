// Looks at and pokes a running Korvalith from outside, for the shell's Wine scripts. One
// command per run; results on stdout, exit code 0 when the awaited state was reached.
//   wait-marker MS | wait-gone MS   a marked main window appears / no marked window is left
//   state                          "visible=V button=CAPTION" of the marked window
//   close | post-close | queryend   close request / WM_CLOSE / WM_QUERYENDSESSION (prints result)
//   tray LPARAM                    the tray callback message with that mouse message
//   dialog MS                      waits for a message dialog, prints "caption|text"
//   press CAPTION                  clicks that button of the message dialog
//   menu MS                        waits for a pop-up menu, prints its rectangle
//   title MS TEXT | no-title MS TEXT  a visible top-level window so captioned appears / goes
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "shell/instance.h"
#include "tests/wine/probe_support.h"

namespace {

using probe::Await;
using probe::ClassOf;

constexpr char kDialogClass[] = "KorvalithMessageDialog";
constexpr char kMenuClass[] = "#32768";

struct ChildSearch {
    const char* cls;
    const char* text;  // null: any
    HWND found = nullptr;
    std::string all;  // texts of every matching child, joined
};

BOOL CALLBACK VisitChild(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<ChildSearch*>(p);
    if (_stricmp(ClassOf(w).c_str(), s->cls) != 0) return TRUE;
    const std::string t = probe::Caption(w);
    if (s->text && t != s->text) return TRUE;
    if (!s->found) s->found = w;
    s->all += t;
    return TRUE;
}

HWND Child(HWND parent, const char* cls, const char* text) {
    ChildSearch s{cls, text, nullptr, {}};
    EnumChildWindows(parent, VisitChild, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND VisibleTopLevel(const char* cls) {
    HWND w = FindWindowA(cls, nullptr);
    while (w && !IsWindowVisible(w)) w = FindWindowExA(nullptr, w, cls, nullptr);
    return w;
}

// A line break as "\r", whether the dialog shows it as CR or as CR LF.
std::string Escaped(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r') {
            out += "\\r";
            if (i + 1 < s.size() && s[i + 1] == '\n') ++i;
        } else if (s[i] == '\n') {
            out += "\\r";
        } else {
            out += s[i];
        }
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string cmd = argv[1];
    const DWORD ms = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 0;
    if (cmd == "wait-marker") {
        if (!Await(ms, [] { return FindMarkedWindow() != nullptr; })) return 1;
        std::printf("marker visible=%d\n", IsWindowVisible(FindMarkedWindow()) ? 1 : 0);
        return 0;
    }
    if (cmd == "wait-gone") return Await(ms, [] { return FindMarkedWindow() == nullptr; }) ? 0 : 1;
    HWND main = FindMarkedWindow();
    if (cmd == "dialog") {
        HWND d = nullptr;
        if (!Await(ms, [&] { return (d = VisibleTopLevel(kDialogClass)) != nullptr; })) return 1;
        ChildSearch s{"STATIC", nullptr, nullptr, {}};
        EnumChildWindows(d, VisitChild, reinterpret_cast<LPARAM>(&s));
        std::printf("%s|%s\n", probe::Caption(d).c_str(), Escaped(s.all).c_str());
        return 0;
    }
    if (cmd == "press") {
        HWND d = VisibleTopLevel(kDialogClass);
        HWND b = d ? Child(d, "BUTTON", argc > 2 ? argv[2] : "") : nullptr;
        if (!b) return 1;
        PostMessageA(b, BM_CLICK, 0, 0);
        return 0;
    }
    if (cmd == "title" || cmd == "no-title") {
        const char* text = argc > 3 ? argv[3] : "";
        const bool want = cmd == "title";
        return Await(ms,
                     [&] {
                         HWND w = FindWindowA(nullptr, text);
                         return (w && IsWindowVisible(w)) == want;
                     })
                   ? 0
                   : 1;
    }
    if (cmd == "menu") {
        HWND m = nullptr;
        if (!Await(ms, [&] { return (m = VisibleTopLevel(kMenuClass)) != nullptr; })) return 1;
        RECT r{};
        GetWindowRect(m, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
        return 0;
    }
    if (!main) {
        std::printf("no marked window\n");
        return 1;
    }
    if (cmd == "state") {
        HWND button = Child(main, "BUTTON", "Copy");
        if (!button) button = Child(main, "BUTTON", "Insert");
        std::printf("visible=%d button=%s\n", IsWindowVisible(main) ? 1 : 0,
                    button ? probe::Caption(button).c_str() : "-");
        return 0;
    }
    if (cmd == "close") {
        CloseRunningInstance();
        return 0;
    }
    if (cmd == "post-close") return PostMessageA(main, WM_CLOSE, 0, 0) ? 0 : 1;
    if (cmd == "queryend") {
        std::printf("%ld\n", static_cast<long>(SendMessageA(main, WM_QUERYENDSESSION, 0, 0)));
        return 0;
    }
    if (cmd == "tray") {
        const UINT msg = RegisterWindowMessageA("WM_NOTIFYICON_KORVALITH");
        return PostMessageA(main, msg, 0, static_cast<LPARAM>(ms)) ? 0 : 1;
    }
    return 2;
}
