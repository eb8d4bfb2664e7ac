// Placement, hover timing and the hovered look of the popup button.
#include "target/popup_logic.h"

#include <algorithm>

namespace korvalith {
namespace {
constexpr int32_t kScreenMargin = kPopupButtonSize + 1;
}

std::optional<PopupPosition> PopupButtonPosition(const BoxRect& box, int32_t screen_width) {
    if (screen_width < box.Right + kScreenMargin) return std::nullopt;
    // Integer division rounds toward zero, so a box lower than the button centres it too.
    return PopupPosition{box.Right + 1, box.Top + (box.Bottom - box.Top - kPopupButtonSize) / 2};
}

HoverAction HoverStep(HoverState& state, bool over, uint32_t now, uint32_t hint_pause) {
    if (over != state.Hovered) {
        state.Hovered = over;
        state.HoverStart = over ? now : 0;
        return HoverAction::Repaint;
    }
    const int32_t elapsed = static_cast<int32_t>(now - state.HoverStart);
    const bool expired = elapsed >= static_cast<int32_t>(kHintLifetimeMs);
    if (over && !state.HintShown && elapsed >= static_cast<int32_t>(hint_pause) && !expired) {
        state.HintShown = true;
        return HoverAction::ShowHint;
    }
    if (state.HintShown && (!over || expired)) {
        state.HintShown = false;
        return HoverAction::HideHint;
    }
    return HoverAction::None;
}

void LightenPopupImage(uint8_t* bits, size_t stride) {
    constexpr int kRowBytes = kPopupImageSize * 3;
    for (int y = kPopupImageSize - 1; y >= 0; --y) {
        uint8_t* row = bits + size_t(y) * stride;
        for (int n = kRowBytes - 1; n >= 0; --n) {
            const int x = n / 3;
            const int b = row[n];
            row[n] = uint8_t((x + y) % 2 == 1 ? b + (255 - b) * 5 / 10 : std::min(255, b + 16));
        }
    }
}

}  // namespace korvalith
