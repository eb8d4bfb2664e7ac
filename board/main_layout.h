// Decisions of the main window that need no window: the small-screen rule, the password line
// layout before a showing, the length class of the radio buttons and the keyboard shortcuts.
#pragma once

#include <array>
#include <cstdint>

#include "board/board_geometry.h"

namespace board {

constexpr int kDesignedClientWidth = 743;
constexpr int kDesignedClientHeight = 511;
constexpr int kSmallScreenWidth = 800;
constexpr int kSmallScreenHeight = 640;
constexpr int kSmallScreenMargin = 20;

constexpr bool IsSmallScreen(int screenWidth, int screenHeight) {
    return screenWidth < kSmallScreenWidth || screenHeight < kSmallScreenHeight;
}

// The window bounds on a small screen: the work area less a margin on every side.
constexpr Rect SmallScreenBounds(const Rect& workArea) {
    return {workArea.left + kSmallScreenMargin, workArea.top + kSmallScreenMargin,
            workArea.right - kSmallScreenMargin, workArea.bottom - kSmallScreenMargin};
}

// The password line's width: it ends 2 pixels before the copy button when one is shown, and
// takes the copy button's place otherwise.
constexpr int kPasswordGap = 2;
constexpr int PasswordLineWidth(bool targetPresent, int pasLeft, int copyLeft, int copyWidth) {
    return targetPresent ? copyLeft - pasLeft - kPasswordGap : copyLeft + copyWidth - pasLeft;
}

// The length class of the four radio buttons: the first checked one, the longest class if none.
constexpr int LengthClassFromChecks(const std::array<bool, 4>& checked) {
    for (int i = 0; i < 3; ++i) {
        if (checked[i]) return i;
    }
    return 3;
}

enum class KeyAction { None, Close, Help };

constexpr unsigned kVkEscape = 27;
constexpr unsigned kVkF1 = 112;

// The window's own shortcuts, which apply only without Shift, Ctrl or Alt.
constexpr KeyAction FormKeyAction(unsigned virtualKey, bool shift, bool ctrl, bool alt) {
    if (shift || ctrl || alt) return KeyAction::None;
    if (virtualKey == kVkEscape) return KeyAction::Close;
    if (virtualKey == kVkF1) return KeyAction::Help;
    return KeyAction::None;
}

}  // namespace board
