// Where the introduction help window goes on the desktop work area.
#pragma once

struct WorkArea {
    int left, top, right, bottom;
};

struct WindowPlace {
    int left, top, width, height;
    friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

inline constexpr int kIntroWindowWidth = 600;
inline constexpr int kIntroWindowMargin = 20;

// 600 pixels wide, centred (the division truncated toward zero), 20 pixels from the top and
// bottom of the work area. A work area narrower than the window is not clamped.
constexpr WindowPlace IntroWindowPlace(const WorkArea& area) {
    return {area.left + (area.right - area.left - kIntroWindowWidth) / 2,
            area.top + kIntroWindowMargin, kIntroWindowWidth,
            area.bottom - area.top - 2 * kIntroWindowMargin};
}
