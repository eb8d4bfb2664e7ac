// Geometry of the 8 x 8 picture board: cells, separator lines, the frame and the hit test.
#pragma once

#include <array>

namespace board {

constexpr int kColumns = 8;
constexpr int kRows = 8;
constexpr int kCellWidth = 80;
constexpr int kCellHeight = 55;
// A cell plus the 1-pixel separator line that follows it.
constexpr int kColumnPitch = kCellWidth + 1;
constexpr int kRowPitch = kCellHeight + 1;
// Cells start after the frame pixel and the first separator line.
constexpr int kCellOrigin = 2;
constexpr int kBoardWidth = kColumns * kColumnPitch + 3;  // 651
constexpr int kBoardHeight = kRows * kRowPitch + 3;       // 451
// Where the main window places the board (over its introduction panel).
constexpr int kBoardLeft = 89;
constexpr int kBoardTop = 2;
// The whole category image: the cells without gaps.
constexpr int kCategoryImageWidth = kColumns * kCellWidth;  // 640
constexpr int kCategoryImageHeight = kRows * kCellHeight;   // 440

// Rectangle with exclusive right and bottom edges.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct Cell {
    int column = -1;
    int row = -1;
    constexpr bool IsCell() const { return column >= 0; }
    friend constexpr bool operator==(const Cell&, const Cell&) = default;
};

constexpr Cell kNoCell{-1, -1};

// The cell under board pixel (x, y) of a board of width w and height h, or kNoCell on the
// frame, on a separator line or outside the grid.
constexpr Cell CellAt(int x, int y, int w = kBoardWidth, int h = kBoardHeight) {
    if (x < 2 || y < 2 || x >= w - 2 || y >= h - 2) return kNoCell;
    if ((x - 1) % kColumnPitch == 0 || (y - 1) % kRowPitch == 0) return kNoCell;
    const Cell cell{(x - 1) / kColumnPitch, (y - 1) / kRowPitch};
    // A board larger than designed must not reach past the 8 x 8 grid of the selection map.
    if (cell.column >= kColumns || cell.row >= kRows) return kNoCell;
    return cell;
}

// Where cell (column, row) is drawn on the board.
constexpr Rect CellRect(int column, int row) {
    const int left = kColumnPitch * column + kCellOrigin;
    const int top = kRowPitch * row + kCellOrigin;
    return {left, top, left + kCellWidth, top + kCellHeight};
}

// Where the picture of cell (column, row) lies in its category image.
constexpr Rect SourceRect(int column, int row) {
    return {kCellWidth * column, kCellHeight * row, kCellWidth * (column + 1),
            kCellHeight * (row + 1)};
}

// Separator line i = 0..8 (the outer ones lie just inside the frame).
constexpr int kSeparatorCount = kColumns + 1;
constexpr Rect VerticalSeparator(int i, int h = kBoardHeight) {
    return {kColumnPitch * i + 1, 1, kColumnPitch * i + 2, h - 1};
}
constexpr Rect HorizontalSeparator(int i, int w = kBoardWidth) {
    return {1, kRowPitch * i + 1, w - 1, kRowPitch * i + 2};
}

constexpr Rect FrameRect(int w = kBoardWidth, int h = kBoardHeight) { return {0, 0, w, h}; }

// Colours of the board lines and the hover frame (0x00BBGGRR).
constexpr unsigned kFrameColour = 0x000000;
constexpr unsigned kSeparatorColour = 0xC0C0C0;
constexpr unsigned kHoverFrameColour = 0xFF0000;

}  // namespace board
