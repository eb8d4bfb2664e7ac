// Finding a running copy through its marked main window and asking it to close.
#include "shell/instance.h"

namespace {

constexpr INT_PTR kMarkerValue = 1;

BOOL CALLBACK FindMarked(HWND wnd, LPARAM found) {
    if (!HasInstanceMarker(wnd)) return TRUE;
    *reinterpret_cast<HWND*>(found) = wnd;
    return FALSE;
}

}  // namespace

HWND FindMarkedWindow() {
    HWND found = nullptr;
    EnumWindows(FindMarked, reinterpret_cast<LPARAM>(&found));
    return found;
}

UINT CloseRequestMsg() {
    static const UINT msg = RegisterWindowMessageA(kCloseRequestMsgName);
    return msg;
}

void SetInstanceMarker(HWND wnd) {
    SetPropA(wnd, kInstanceMarkerName, reinterpret_cast<HANDLE>(kMarkerValue));
}

void RemoveInstanceMarker(HWND wnd) { RemovePropA(wnd, kInstanceMarkerName); }

bool HasInstanceMarker(HWND wnd) { return GetPropA(wnd, kInstanceMarkerName) != nullptr; }

bool FindRunningInstance() { return FindMarkedWindow() != nullptr; }

void CloseRunningInstance() {
    if (HWND wnd = FindMarkedWindow()) SendMessageA(wnd, CloseRequestMsg(), 0, 0);
}
