// Scaling of 96-dpi design pixels to the screen's pixels per inch.
#pragma once

#include <windows.h>

namespace ui {

// LOGPIXELSY of the screen, read once.
int ScreenDpi();

// MulDiv(n, ScreenDpi(), 96).
int ScaleToScreen(int n);

}  // namespace ui
