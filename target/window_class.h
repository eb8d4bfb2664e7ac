// Window class names as the tracking code compares them.
#pragma once

#include <windows.h>

#include <string>

namespace korvalith {

// The class name read into a buffer of 255 characters: at most 254 come back.
std::string WindowClassName(HWND wnd);

}  // namespace korvalith
