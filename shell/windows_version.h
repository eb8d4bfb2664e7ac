// The version flags of the running Windows, set once at start-up.
#pragma once

extern bool IsNT5OrLater;
extern bool IsWindows6OrLater;

// Asks GetVersionEx and sets both flags. The start-up then gives DefaultUiFontName() to the
// window layer as its default font name.
void InitWindowsVersion();

// The default user-interface font name for the flags as set.
const char* DefaultUiFontName();
