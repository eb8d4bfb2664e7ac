// Drives and watches the setup wizard from another process for the Wine test scripts.
//
//   setup_probe wait wizard|dialog MS        waits until such a window is visible
//   setup_probe gone wizard|dialog MS        waits until none is visible
//   setup_probe dump wizard|dialog           prints "id|class|visible|enabled|text" per child
//   setup_probe click wizard|dialog CAPTION  posts BM_CLICK to the button with that caption
//   setup_probe settext wizard ID TEXT       WM_SETTEXT to the child with that control id
//   setup_probe gettext wizard ID            prints the child's text
//   setup_probe closebox wizard              the title bar's close box (SC_CLOSE)
//   setup_probe hold FILE SECONDS            keeps FILE open with share mode 0
//   setup_probe running-copy [stubborn]      a hidden window with the instance marker
//   setup_probe markers                      prints how many marked windows exist
//   setup_probe clickwait KIND CAPTION dialog|finish MS
//                                            clicks, then prints the ms until a question is
//                                            visible or the wizard's Finish button is usable
//   setup_probe launch EXE MS                starts EXE, prints the ms until the wizard shows
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/wine/probe_support.h"

namespace {

using probe::ClassOf;

constexpr char kTitle[] = "Korvalith 1.0 - Setup";
constexpr char kDialogClass[] = "KorvalithMessageDialog";
constexpr char kMarker[] = "Korvalith MainWnd";

std::string TextOf(HWND w) {
    char buf[4096] = {};
    SendMessageTimeoutA(w, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf), SMTO_NORMAL, 2000,
                        nullptr);
    return buf;
}

struct Search {
    bool dialog;
    HWND found;
};

BOOL CALLBACK FindTop(HWND w, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    if (!IsWindowVisible(w)) return TRUE;
    const bool isDialog = ClassOf(w) == kDialogClass;
    if (s->dialog ? isDialog : (!isDialog && TextOf(w) == kTitle)) {
        s->found = w;
        return FALSE;
    }
    return TRUE;
}

HWND Find(const std::string& kind) {
    Search s{kind == "dialog", nullptr};
    EnumWindows(FindTop, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND WaitFor(const std::string& kind, DWORD ms, bool present) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND w = Find(kind);
        if ((w != nullptr) == present) return w ? w : reinterpret_cast<HWND>(1);
        if (GetTickCount() - start > ms) return nullptr;
        Sleep(20);
    }
}

BOOL CALLBACK Collect(HWND w, LPARAM lp) {
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(w);
    return TRUE;
}

std::vector<HWND> Children(HWND top) {
    std::vector<HWND> all;
    EnumChildWindows(top, Collect, reinterpret_cast<LPARAM>(&all));
    return all;
}

HWND Need(const std::string& kind) {
    HWND w = WaitFor(kind, 5000, true);
    if (!w) {
        std::printf("no %s window\n", kind.c_str());
        std::exit(1);
    }
    return w;
}

BOOL CALLBACK CountMarked(HWND w, LPARAM lp) {
    if (GetPropA(w, kMarker)) ++*reinterpret_cast<int*>(lp);
    return TRUE;
}

UINT g_closeMsg = 0;
bool g_stubborn = false;

LRESULT CALLBACK CopyProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == g_closeMsg && g_closeMsg != 0) {
        if (!g_stubborn) {
            RemovePropA(w, kMarker);
            DestroyWindow(w);
        }
        return 0;
    }
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(w, msg, wp, lp);
}

int RunningCopy(bool stubborn) {
    g_stubborn = stubborn;
    g_closeMsg = RegisterWindowMessageA("WM_CLOSEKORVALITH");
    WNDCLASSA wc{};
    wc.lpfnWndProc = CopyProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KorvalithRunningCopyProbe";
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(0, wc.lpszClassName, "Korvalith", WS_POPUP, 0, 0, 10, 10, nullptr,
                             nullptr, wc.hInstance, nullptr);
    SetPropA(w, kMarker, reinterpret_cast<HANDLE>(w));
    SetTimer(w, 1, 60000, nullptr);  // never outlive a test
    std::printf("ready\n");
    std::fflush(stdout);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        if (m.message == WM_TIMER) break;
        DispatchMessageA(&m);
    }
    return 0;
}

HWND ButtonWithCaption(HWND top, const std::string& caption) {
    for (HWND c : Children(top)) {
        if (TextOf(c) == caption && IsWindowVisible(c)) return c;
    }
    return nullptr;
}

bool FinishUsable() {
    HWND top = Find("wizard");
    HWND b = top ? ButtonWithCaption(top, "&Finish") : nullptr;
    return b && IsWindowEnabled(b) && !Find("dialog");
}

// Polls until the condition holds; the elapsed milliseconds, or -1 after ms.
template <typename Fn>
long Elapsed(DWORD start, DWORD ms, Fn done) {
    for (;;) {
        if (done()) return static_cast<long>(GetTickCount() - start);
        if (GetTickCount() - start > ms) return -1;
        Sleep(5);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string cmd = argv[1];
    const std::string kind = argc > 2 ? argv[2] : "";
    if (cmd == "wait" || cmd == "gone") {
        const DWORD ms = argc > 3 ? static_cast<DWORD>(std::atoi(argv[3])) : 5000;
        return WaitFor(kind, ms, cmd == "wait") ? 0 : 1;
    }
    if (cmd == "dump") {
        HWND top = Need(kind);
        std::printf("top|%s|%s\n", ClassOf(top).c_str(), TextOf(top).c_str());
        for (HWND c : Children(top)) {
            std::printf("%d|%s|%d|%d|%s\n", GetDlgCtrlID(c), ClassOf(c).c_str(),
                        IsWindowVisible(c) ? 1 : 0, IsWindowEnabled(c) ? 1 : 0, TextOf(c).c_str());
        }
        return 0;
    }
    if (cmd == "click" && argc > 3) {
        HWND top = Need(kind);
        for (HWND c : Children(top)) {
            if (TextOf(c) == argv[3] && IsWindowVisible(c)) {
                if (!IsWindowEnabled(c)) {
                    std::printf("disabled: %s\n", argv[3]);
                    return 3;
                }
                PostMessageA(c, BM_CLICK, 0, 0);
                return 0;
            }
        }
        std::printf("no button %s\n", argv[3]);
        return 1;
    }
    if ((cmd == "settext" && argc > 4) || (cmd == "gettext" && argc > 3)) {
        HWND c = GetDlgItem(Need(kind), std::atoi(argv[3]));
        for (HWND child : Children(Need(kind))) {
            if (GetDlgCtrlID(child) == std::atoi(argv[3])) c = child;
        }
        if (!c) return 1;
        if (cmd == "settext") {
            SendMessageA(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]));
        } else {
            std::printf("%s\n", TextOf(c).c_str());
        }
        return 0;
    }
    if (cmd == "closebox") {
        PostMessageA(Need(kind), WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    }
    if (cmd == "hold" && argc > 3) {
        HANDLE f = CreateFileA(argv[2], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (f == INVALID_HANDLE_VALUE) return 1;
        std::printf("held\n");
        std::fflush(stdout);
        Sleep(static_cast<DWORD>(std::atoi(argv[3]) * 1000));
        CloseHandle(f);
        return 0;
    }
    if (cmd == "clickwait" && argc > 5) {
        HWND b = ButtonWithCaption(Need(kind), argv[3]);
        if (!b || !IsWindowEnabled(b)) return 1;
        const bool forDialog = std::string(argv[4]) == "dialog";
        const DWORD start = GetTickCount();
        PostMessageA(b, BM_CLICK, 0, 0);
        const long ms = Elapsed(start, static_cast<DWORD>(std::atoi(argv[5])), [&] {
            return forDialog ? Find("dialog") != nullptr : FinishUsable();
        });
        std::printf("%ld\n", ms);
        return ms < 0 ? 1 : 0;
    }
    if (cmd == "launch" && argc > 3) {
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        std::string line = std::string("\"") + argv[2] + "\"";
        const DWORD start = GetTickCount();
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                            &pi)) {
            return 1;
        }
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        const long ms = Elapsed(start, static_cast<DWORD>(std::atoi(argv[3])),
                                [] { return Find("wizard") != nullptr; });
        std::printf("%ld\n", ms);
        return ms < 0 ? 1 : 0;
    }
    if (cmd == "running-copy") return RunningCopy(kind == "stubborn");
    if (cmd == "markers") {
        int n = 0;
        EnumWindows(CountMarked, reinterpret_cast<LPARAM>(&n));
        std::printf("%d\n", n);
        return 0;
    }
    return 2;
}
