// The popup button's decisions without any window: where it stands, when its hint shows and
// goes, and how its picture is lightened under the pointer.
#pragma once

#include "target/caret_scan.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace korvalith {

constexpr int32_t kPopupButtonSize = 18;
constexpr int kPopupImageSize = 16;
constexpr uint32_t kHintLifetimeMs = 5000;

struct PopupPosition {
    int32_t left = 0;
    int32_t top = 0;
    friend bool operator==(const PopupPosition&, const PopupPosition&) = default;
};

// One pixel right of the box, centred on its height; none (the button keeps its place) when
// the box's right edge is closer than 19 pixels to the screen's right edge.
std::optional<PopupPosition> PopupButtonPosition(const BoxRect& box, int32_t screen_width);

struct HoverState {
    bool Hovered = false;
    uint32_t HoverStart = 0;  // tick count when the pointer entered; 0 while it is away
    bool HintShown = false;
};

enum class HoverAction { None, Repaint, ShowHint, HideHint };

// One step of the 100 ms timer: updates the state and says what the button must do.
// Tick differences are signed 32-bit numbers, so the clock's wrap-around does no harm.
HoverAction HoverStep(HoverState& state, bool over, uint32_t now, uint32_t hint_pause);

// Lightens the 16 x 16 picture (24-bit rows of `stride` bytes) in a checkerboard: odd pixels
// halfway to white, even ones by 16.
void LightenPopupImage(uint8_t* bits, size_t stride);

}  // namespace korvalith
