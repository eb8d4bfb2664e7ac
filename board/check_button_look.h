// How a category button looks when normal, hot or down, and where its caption goes.
#pragma once

#include "board/board_geometry.h"

namespace board {

constexpr unsigned kCategoryPanelColour = 0xFFFFE1;
constexpr unsigned kDownFaceColour = 0xFFFF00;
constexpr unsigned kHotFaceColour = 0xFFF0F0;
constexpr unsigned kGreyFrameColour = 0x808080;
constexpr unsigned kDownOuterFrameColour = 0xFFA0A0;
constexpr unsigned kActiveFrameColour = 0xFF0000;
constexpr const char* kCheckButtonFontName = "Arial";
constexpr int kCheckButtonFontHeight = 16;
// "Characters" is the longest caption.
constexpr int kLongCaptionFontHeight = 15;
constexpr int kLongCaptionTag = 3;
// The caption is measured in a rectangle this much narrower than the button.
constexpr int kCaptionMargin = 10;

struct CheckButtonLook {
    unsigned face;        // fills the inner face rectangle
    unsigned innerFrame;  // the frame at (2, 2)
    bool outerFrame;      // the 0xFFA0A0 frame at (1, 1), only when down
    int fontHeight;
};

constexpr CheckButtonLook CheckButtonLookFor(bool down, bool hot, int tag) {
    return {down  ? kDownFaceColour
            : hot ? kHotFaceColour
                  : kCategoryPanelColour,
            down || hot ? kActiveFrameColour : kGreyFrameColour, down,
            tag == kLongCaptionTag ? kLongCaptionFontHeight : kCheckButtonFontHeight};
}

// A button that is down keeps its look when the pointer enters or leaves it.
constexpr bool RepaintOnHotChange(bool down) { return !down; }

constexpr Rect FaceRect(int w, int h) { return {3, 3, w - 3, h - 3}; }
constexpr Rect InnerFrameRect(int w, int h) { return {2, 2, w - 2, h - 2}; }
constexpr Rect OuterFrameRect(int w, int h) { return {1, 1, w - 1, h - 1}; }

// The caption rectangle, given the measured right and bottom edges from a measurement in
// (0, 0, w - kCaptionMargin, 0).
constexpr Rect CaptionRect(int w, int h, int measuredRight, int measuredBottom) {
    const int left = (w - measuredRight) / 2;
    const int top = (h - measuredBottom) / 2;
    return {left, top, left + measuredRight, top + measuredBottom};
}

// Category button i inside the category panel.
constexpr int kCategoryButtonLeft = 3;
constexpr int kCategoryButtonPitch = 56;
constexpr int kCategoryButtonHeight = 52;
constexpr int kCategoryButtonWidthInset = 7;
constexpr Rect CategoryButtonRect(int i, int panelWidth) {
    const int top = kCategoryButtonPitch * i + 3;
    return {kCategoryButtonLeft, top, panelWidth - kCategoryButtonWidthInset + kCategoryButtonLeft,
            top + kCategoryButtonHeight};
}

}  // namespace board
