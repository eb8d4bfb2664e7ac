// The "Characters" picture set drawn with GDI from the cell table.
#include "board/characters_image.h"

#include "board/board_geometry.h"
#include "board/characters_set.h"
#include "ui/canvas.h"
#include "ui/dpi.h"
#include "ui/font.h"

namespace board {

ui::DibSection DrawCharactersImage() {
    ui::DibSection image = ui::DibSection::Create(kCategoryImageWidth, kCategoryImageHeight);
    if (!image) return image;
    ui::MemoryDC dc;
    ui::SelectGuard bitmap(dc.Get(), image.Handle());
    // Points to a character height in pixels at the screen's resolution.
    const int height = -MulDiv(kCharacterFontPoints, ui::ScreenDpi(), 72);
    ui::FontHandle font = ui::CreateUiFont(kCharacterFontName, height, true);
    ui::SelectGuard fontGuard(dc.Get(), font.Get());
    ui::BkModeGuard mode(dc.Get(), TRANSPARENT);
    ui::TextColorGuard colour(dc.Get(), kCharacterTextColour);
    ui::Canvas canvas(dc.Get());
    for (int i = 0; i < static_cast<int>(kCharacterCells.size()); ++i) {
        const Rect cell = SourceRect(i % kColumns, i / kColumns);
        canvas.FillRect(RECT{cell.left, cell.top, cell.right, cell.bottom},
                        kCharacterCells[i].background);
        const char text[2] = {kCharacterCells[i].character, 0};
        SIZE extent{};
        GetTextExtentPoint32A(dc.Get(), text, 1, &extent);
        TextOutA(dc.Get(), cell.left + CentredOffset(kCellWidth, extent.cx),
                 cell.top + CentredOffset(kCellHeight, extent.cy), text, 1);
    }
    GdiFlush();
    return image;
}

}  // namespace board
