// The selected and hovered looks of a picture, computed in place over 24-bit BGR pixels.
#pragma once

#include <cstddef>
#include <cstdint>

namespace board {

// Red level of the even pixels of a selected picture for a blink counter value.
constexpr uint8_t BlinkRedLevel(int blinkCounter) {
    switch (blinkCounter) {
        case 0:
            return 128;
        case 1:
            return 160;
        case 2:
            return 192;
        case 3:
            return 224;
        default:
            return 255;
    }
}

// Blink counter after one tick of the blink timer: 1, 2, ..., 9, 0, 1, ...
constexpr int NextBlinkCounter(int counter) { return counter + 1 >= 10 ? 0 : counter + 1; }

// Selected cells are redrawn only on the ticks whose level differs from the resting 255.
constexpr bool BlinkTickDraws(int counter) { return counter <= 4; }

// A 24-bit image: rows of blue, green, red bytes. stride is the signed distance in bytes from
// one row to the next one down, so a bottom-up DIB passes its last row and a negative stride.
struct BgrImage {
    uint8_t* topRow = nullptr;
    ptrdiff_t stride = 0;
    int width = 0;
    int height = 0;
};

// Inverts every byte; pixels with x + y odd go seven tenths of the way to white, pixels with
// x + y even keep the inverted blue and green and take the blink level as red.
void ApplySelectedLook(const BgrImage& image, int blinkCounter);

// Pixels with x + y odd go seven tenths of the way to white, the others 16 steps brighter.
void ApplyHoveredLook(const BgrImage& image);

// Paints the outermost pixel ring in the hover frame's pure blue.
void DrawHoverFrame(const BgrImage& image);

// The four looks of a cell. Every look but Plain is composed on the scratch bitmap, so the
// hover frame goes there too and the cell reaches the board in one copy.
enum class CellLook { Plain, Hovered, Selected, SelectedHovered };

constexpr CellLook CellLookFor(bool selected, bool hovered) {
    if (selected) return hovered ? CellLook::SelectedHovered : CellLook::Selected;
    return hovered ? CellLook::Hovered : CellLook::Plain;
}

// Turns a copy of the picture into the given look (Plain leaves it alone).
void ApplyCellLook(const BgrImage& image, CellLook look, int blinkCounter);

// The single-byte formulas, for checks against hand-computed values.
constexpr uint8_t TowardWhite(uint8_t b) { return static_cast<uint8_t>(b + (7 * (255 - b)) / 10); }
constexpr uint8_t Brighter16(uint8_t b) {
    return static_cast<uint8_t>(b + 16 > 255 ? 255 : b + 16);
}

}  // namespace board
