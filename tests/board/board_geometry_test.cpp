// Hit test and rectangles of the picture board.
#include "board/board_geometry.h"

#include <gtest/gtest.h>

namespace board {
namespace {

struct PointCase {
    int x, y;
    Cell expected;
};

TEST(CellAt, MapsPointsOnCellsSeparatorsAndFrame) {
    const PointCase cases[] = {
        {0, 0, kNoCell},      {1, 1, kNoCell},      {0, 30, kNoCell},    {30, 0, kNoCell},
        {650, 450, kNoCell},  {649, 100, kNoCell},  {100, 449, kNoCell}, {2, 2, {0, 0}},
        {81, 56, {0, 0}},     {82, 30, kNoCell},    {30, 57, kNoCell},   {83, 2, {1, 0}},
        {2, 58, {0, 1}},      {648, 448, {7, 7}},   {648, 2, {7, 0}},    {2, 448, {0, 7}},
        {567, 392, {6, 6}},   {568, 392, kNoCell},  {567, 393, kNoCell}, {400, 300, {4, 5}},
        {65535, 10, kNoCell}, {10, 65535, kNoCell},
    };
    for (const PointCase& c : cases) {
        EXPECT_EQ(CellAt(c.x, c.y), c.expected) << "at " << c.x << "," << c.y;
    }
}

TEST(CellAt, NeverReachesPastTheGridOfALargerBoard) {
    EXPECT_EQ(CellAt(700, 10, 800, 600), kNoCell);
    EXPECT_EQ(CellAt(10, 500, 800, 600), kNoCell);
}

// Each cell's drawing rectangle and the hit test agree: every corner is that cell, the pixel
// beyond each edge is not.
TEST(CellRect, AgreesWithTheHitTestForEveryCell) {
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            const Rect d = CellRect(c, r);
            ASSERT_EQ(d.Width(), kCellWidth);
            ASSERT_EQ(d.Height(), kCellHeight);
            const Cell cell{c, r};
            EXPECT_EQ(CellAt(d.left, d.top), cell);
            EXPECT_EQ(CellAt(d.right - 1, d.bottom - 1), cell);
            EXPECT_EQ(CellAt(d.left - 1, d.top), kNoCell);
            EXPECT_EQ(CellAt(d.right, d.top), kNoCell);
            EXPECT_EQ(CellAt(d.left, d.top - 1), kNoCell);
            EXPECT_EQ(CellAt(d.left, d.bottom), kNoCell);
            const Rect s = SourceRect(c, r);
            EXPECT_EQ(s, (Rect{80 * c, 55 * r, 80 * c + 80, 55 * r + 55}));
        }
    }
}

TEST(Separators, LieBetweenCellsAndInsideTheFrame) {
    EXPECT_EQ(VerticalSeparator(0), (Rect{1, 1, 2, 450}));
    EXPECT_EQ(VerticalSeparator(8), (Rect{649, 1, 650, 450}));
    EXPECT_EQ(HorizontalSeparator(0), (Rect{1, 1, 650, 2}));
    EXPECT_EQ(HorizontalSeparator(8), (Rect{1, 449, 650, 450}));
    EXPECT_EQ(FrameRect(), (Rect{0, 0, 651, 451}));
    for (int i = 1; i < kSeparatorCount - 1; ++i) {
        EXPECT_EQ(VerticalSeparator(i).left, CellRect(i, 0).left - 1);
        EXPECT_EQ(HorizontalSeparator(i).top, CellRect(0, i).top - 1);
    }
}

}  // namespace
}  // namespace board
