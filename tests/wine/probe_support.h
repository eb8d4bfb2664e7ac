// What the outside probes of the Wine scripts share: polling for a state, and a window's class
// name and caption.
#pragma once

#include <windows.h>

#include <string>

namespace probe {

inline constexpr DWORD kPollMs = 50;

// Polls done() every kPollMs until it holds or ms have passed; true when it held.
template <typename F>
bool Await(DWORD ms, F done) {
    for (DWORD t = 0;; t += kPollMs) {
        if (done()) return true;
        if (t >= ms) return false;
        Sleep(kPollMs);
    }
}

inline std::string ClassOf(HWND w) {
    char buf[256] = {};
    GetClassNameA(w, buf, sizeof buf);
    return buf;
}

inline std::string Caption(HWND w) {
    char buf[1024] = {};
    GetWindowTextA(w, buf, sizeof buf);
    return buf;
}

}  // namespace probe
