// The picture board and category buttons of a real main window: clicks, looks, blinking.
#include <vector>

#include "board/board_bitmaps.h"
#include "board/cell_looks.h"
#include "board/check_button_look.h"
#include "core/selection.h"
#include "main_form_fixture.h"

namespace board::test {
namespace {

// What a cell of the current category must show, made from the cached category image.
ui::DibSection ExpectedCell(int column, int row, CellLook look) {
    ui::DibSection cell = ui::DibSection::Create(kCellWidth, kCellHeight);
    const Rect s = SourceRect(column, row);
    {
        ui::MemoryDC dest;
        ui::SelectGuard d(dest.Get(), cell.Handle());
        ui::MemoryDC source;
        ui::SelectGuard src(source.Get(), CategoryImage(CurrentCategory()));
        BitBlt(dest.Get(), 0, 0, kCellWidth, kCellHeight, source.Get(), s.left, s.top, SRCCOPY);
    }
    ui::DibSection::Sync();
    ApplyCellLook(BgrImage{cell.Bits(), cell.Stride(), kCellWidth, kCellHeight}, look,
                  BlinkCounter());
    return cell;
}

using BoardTest = MainFormTest;

TEST_F(BoardTest, EveryCellShowsTheLookOfItsState) {
    PressCategory(0);
    Press(1, 1);   // selected
    MoveTo(2, 1);  // hovered
    Press(4, 4);   // selected, then hovered below
    MoveTo(4, 4);
    struct Case {
        int column, row;
        CellLook look;
    };
    const Case cases[] = {{0, 0, CellLook::Plain},
                          {1, 1, CellLook::Selected},
                          {2, 1, CellLook::Plain},  // hover moved on to (4, 4)
                          {4, 4, CellLook::SelectedHovered},
                          {7, 7, CellLook::Plain}};
    const ui::DibSection shown = CaptureClient(form_->Board->Handle());
    for (const Case& c : cases) {
        EXPECT_EQ(DifferingPixels(Crop(shown, CellRect(c.column, c.row)),
                                  ExpectedCell(c.column, c.row, c.look)),
                  0)
            << "cell " << c.column << "," << c.row;
    }
    MoveTo(2, 1);
    const ui::DibSection hovered = CaptureClient(form_->Board->Handle());
    EXPECT_EQ(DifferingPixels(Crop(hovered, CellRect(2, 1)), ExpectedCell(2, 1, CellLook::Hovered)),
              0);
    EXPECT_EQ(
        DifferingPixels(Crop(hovered, CellRect(4, 4)), ExpectedCell(4, 4, CellLook::Selected)), 0);
    // Frame and separator lines.
    EXPECT_EQ(PixelAt(hovered, 0, 0), FromColorRef(kFrameColour));
    EXPECT_EQ(PixelAt(hovered, 650, 200), FromColorRef(kFrameColour));
    EXPECT_EQ(PixelAt(hovered, 82, 30), FromColorRef(kSeparatorColour));
    EXPECT_EQ(PixelAt(hovered, 30, 57), FromColorRef(kSeparatorColour));
}

TEST_F(BoardTest, PressesToggleTheMapOnCellsOnly) {
    PressCategory(2);
    struct Case {
        UINT msg;
        LPARAM at;
        bool selectedAfter;
    };
    const Case cases[] = {
        {WM_LBUTTONDOWN, CellPoint(3, 5), true},    {WM_LBUTTONUP, CellPoint(3, 5), true},
        {WM_LBUTTONDBLCLK, CellPoint(3, 5), false}, {WM_RBUTTONDOWN, CellPoint(3, 5), true},
        {WM_RBUTTONDBLCLK, CellPoint(3, 5), false}, {WM_MBUTTONDOWN, CellPoint(3, 5), true},
        {WM_MBUTTONDBLCLK, CellPoint(3, 5), false}, {WM_LBUTTONDOWN, MAKELPARAM(82, 30), false},
        {WM_LBUTTONDOWN, MAKELPARAM(0, 0), false},
    };
    for (const Case& c : cases) {
        SendMessageA(form_->Board->Handle(), c.msg, 0, c.at);
        EXPECT_EQ(IsSelected(2, 5, 3), c.selectedAfter) << std::hex << c.msg;
        EXPECT_EQ(SelectedCount(), c.selectedAfter ? 1 : 0) << std::hex << c.msg;
    }
    // Moving onto a separator line clears the hover cell.
    MoveTo(3, 5);
    SendMessageA(form_->Board->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(82, 30));
    EXPECT_EQ(form_->Board->HoverColumn(), -1);
}

TEST_F(BoardTest, SelectedCellsPulseOnFiveTicksOfTen) {
    PressCategory(1);
    Press(1, 1);
    SetBlinkCounter(0);
    // (0, 0) of a cell is an even pixel, whose red is the blink level.
    const int x = CellRect(1, 1).left;
    const int y = CellRect(1, 1).top;
    const std::vector<int> expected = {160, 192, 224, 255, 255, 255, 255, 255, 255, 128};
    std::vector<int> seen;
    for (int tick = 0; tick < 10; ++tick) {
        form_->Board->BlinkStep();
        seen.push_back(PixelAt(CaptureClient(form_->Board->Handle()), x, y).r);
    }
    EXPECT_EQ(seen, expected);
}

TEST_F(BoardTest, NoBlinkingWhileTheIntroductionOrAHiddenWindowIsShown) {
    SetBlinkCounter(0);
    Sleep(120);
    Pump();  // the introduction is shown: ticks do nothing
    EXPECT_EQ(BlinkCounter(), 0);
    PressCategory(0);
    form_->Hide();
    Sleep(120);
    Pump();
    EXPECT_EQ(BlinkCounter(), 0);
    form_->Show();
    Sleep(120);
    Pump();
    EXPECT_NE(BlinkCounter(), 0);
}

TEST_F(BoardTest, CategoryImagesAreMadeOnceAndKept) {
    for (int category = 0; category < kCategoryCount; ++category) PressCategory(category);
    const int loads = CategoryImageLoads();
    for (int category = 0; category < kCategoryCount; ++category) {
        EXPECT_TRUE(CategoryImageCached(category)) << category;
    }
    form_->PrepareForShow();
    for (int category = kCategoryCount - 1; category >= 0; --category) PressCategory(category);
    EXPECT_EQ(CategoryImageLoads(), loads);
}

using CategoryButtonTest = MainFormTest;

TEST_F(CategoryButtonTest, PressPutsOneButtonDownAndSelectsItsCategory) {
    EXPECT_EQ(CurrentCategory(), kNoCategory);
    PressCategory(2);
    EXPECT_EQ(CurrentCategory(), 2);
    PressCategory(4);
    EXPECT_EQ(CurrentCategory(), 4);
    for (int i = 0; i < kCategoryCount; ++i) {
        EXPECT_EQ(form_->CategoryButtons[i]->Down(), i == 4) << i;
    }
    // A press on the button that is down fires nothing.
    SetCurrentCategory(6);
    PressCategory(4);
    EXPECT_EQ(CurrentCategory(), 6);
    // Right button presses do nothing.
    SendMessageA(form_->CategoryButtons[1]->Handle(), WM_RBUTTONDOWN, 0, MAKELPARAM(10, 10));
    EXPECT_FALSE(form_->CategoryButtons[1]->Down());
}

TEST_F(CategoryButtonTest, NormalHotAndDownLooks) {
    TCheckButton* button = form_->CategoryButtons[5];
    struct Case {
        const char* name;
        COLORREF outer, inner, face;
    };
    auto check = [&](const Case& c) {
        const ui::DibSection shown = CaptureClient(button->Handle());
        EXPECT_EQ(PixelAt(shown, 0, 0), FromColorRef(kCategoryPanelColour)) << c.name;
        EXPECT_EQ(PixelAt(shown, 1, 1), FromColorRef(c.outer)) << c.name;
        EXPECT_EQ(PixelAt(shown, 2, 2), FromColorRef(c.inner)) << c.name;
        EXPECT_EQ(PixelAt(shown, 3, 3), FromColorRef(c.face)) << c.name;
        EXPECT_EQ(PixelAt(shown, shown.Width() - 3, shown.Height() - 3), FromColorRef(c.inner))
            << c.name;
    };
    check({"normal", kCategoryPanelColour, kGreyFrameColour, kCategoryPanelColour});
    SendMessageA(button->Handle(), ui::CM_MOUSEENTER, 0, 0);
    check({"hot", kCategoryPanelColour, kActiveFrameColour, kHotFaceColour});
    SendMessageA(button->Handle(), ui::CM_MOUSELEAVE, 0, 0);
    check({"normal again", kCategoryPanelColour, kGreyFrameColour, kCategoryPanelColour});
    PressCategory(5);
    check({"down", kDownOuterFrameColour, kActiveFrameColour, kDownFaceColour});
    SendMessageA(button->Handle(), ui::CM_MOUSEENTER, 0, 0);
    check({"down and hot", kDownOuterFrameColour, kActiveFrameColour, kDownFaceColour});
    SendMessageA(button->Handle(), ui::CM_MOUSELEAVE, 0, 0);
}

TEST_F(CategoryButtonTest, ShowingAgainRaisesEveryButton) {
    PressCategory(3);
    form_->PrepareForShow();
    for (int i = 0; i < kCategoryCount; ++i) EXPECT_FALSE(form_->CategoryButtons[i]->Down()) << i;
    EXPECT_EQ(CurrentCategory(), kNoCategory);
    EXPECT_TRUE(form_->InitPanel->Visible());
    EXPECT_FALSE(form_->Board->Visible());
    const ui::DibSection shown = CaptureClient(form_->CategoryButtons[3]->Handle());
    EXPECT_EQ(PixelAt(shown, 2, 2), FromColorRef(kGreyFrameColour));
}

}  // namespace
}  // namespace board::test
