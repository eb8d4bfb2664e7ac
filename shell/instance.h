// The single-instance rule and the close protocol shared with the setup program: the marker
// property on the main window and the registered close-request message.
#pragma once

#include <windows.h>

// The window property that marks a running copy's main window (data value 1).
inline constexpr char kInstanceMarkerName[] = "Korvalith MainWnd";
// The name both programs register, so the message number is the same in every process.
inline constexpr char kCloseRequestMsgName[] = "WM_CLOSEKORVALITH";

// The number of the close-request message; registered on first use.
UINT CloseRequestMsg();

void SetInstanceMarker(HWND wnd);
void RemoveInstanceMarker(HWND wnd);
bool HasInstanceMarker(HWND wnd);

// The first top-level window that carries the marker, or null.
HWND FindMarkedWindow();
// True when a top-level window carries the marker.
bool FindRunningInstance();
// Sends the close request to the first marked top-level window and returns at once after the
// send; the program's exit is not waited for.
void CloseRunningInstance();
