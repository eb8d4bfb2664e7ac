// Shift state of the keyboard as the key handlers see it.
#pragma once

#include <windows.h>

namespace ui {

enum ShiftState : unsigned {
    kNoShift = 0,
    kShift = 1u << 0,
    kCtrl = 1u << 1,
    kAlt = 1u << 2,
};

// The modifier keys held right now (GetKeyState of the message being processed).
inline unsigned CurrentShiftState() {
    unsigned s = kNoShift;
    if (GetKeyState(VK_SHIFT) < 0) s |= kShift;
    if (GetKeyState(VK_CONTROL) < 0) s |= kCtrl;
    if (GetKeyState(VK_MENU) < 0) s |= kAlt;
    return s;
}

}  // namespace ui
