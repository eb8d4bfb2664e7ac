// Drawing and mouse handling of the picture board.
#include "board/paint_panel.h"

#include "board/board_bitmaps.h"
#include "board/cell_looks.h"
#include "core/selection.h"
#include "ui/canvas.h"

namespace board {
namespace {

int g_blinkCounter = 0;

bool IsToggleMessage(UINT msg) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            return true;
        default:
            return false;
    }
}

}  // namespace

// The category image and the scratch bitmap selected into memory DCs for one drawing call, so
// that a paint or a blink tick of many cells sets them up once.
class CellPainter {
  public:
    CellPainter(HDC dest, HBITMAP image)
        : dest_(dest),
          imageDc_(dest),
          scratchDc_(dest),
          scratch_(ScratchBitmap()),
          selectImage_(imageDc_.Get(), image),
          selectScratch_(scratchDc_.Get(), scratch_.Handle()) {}

    void Draw(int column, int row, CellLook look) {
        const Rect s = SourceRect(column, row);
        const Rect d = CellRect(column, row);
        if (look == CellLook::Plain || !scratch_) {
            BitBlt(dest_, d.left, d.top, kCellWidth, kCellHeight, imageDc_.Get(), s.left, s.top,
                   SRCCOPY);
            return;
        }
        BitBlt(scratchDc_.Get(), 0, 0, kCellWidth, kCellHeight, imageDc_.Get(), s.left, s.top,
               SRCCOPY);
        ui::DibSection::Sync();
        ApplyCellLook(BgrImage{scratch_.Bits(), scratch_.Stride(), kCellWidth, kCellHeight}, look,
                      g_blinkCounter);
        BitBlt(dest_, d.left, d.top, kCellWidth, kCellHeight, scratchDc_.Get(), 0, 0, SRCCOPY);
    }

  private:
    HDC dest_;
    ui::MemoryDC imageDc_;
    ui::MemoryDC scratchDc_;
    ui::DibSection& scratch_;
    ui::SelectGuard selectImage_;
    ui::SelectGuard selectScratch_;
};

int BlinkCounter() { return g_blinkCounter; }
void SetBlinkCounter(int counter) { g_blinkCounter = counter; }

TPaintPanel::TPaintPanel() { track_mouse_ = true; }

Cell TPaintPanel::CellAt(int x, int y) const {
    return board::CellAt(x, y, ClientWidth(), ClientHeight());
}

void TPaintPanel::DrawCell(int column, int row) {
    HBITMAP image = CategoryImage(CurrentCategory());
    if (!HandleAllocated() || !image) return;
    ui::WindowDC dc(Handle());
    CellPainter painter(dc.Get(), image);
    DrawCellWith(painter, column, row);
}

void TPaintPanel::DrawCellWith(CellPainter& painter, int column, int row) {
    painter.Draw(column, row,
                 CellLookFor(IsSelected(CurrentCategory(), row, column), IsHover(column, row)));
}

void TPaintPanel::Paint(ui::Canvas& canvas) {
    const int w = ClientWidth();
    const int h = ClientHeight();
    canvas.FrameRect(RECT{0, 0, w, h}, kFrameColour);
    for (int i = 0; i < kSeparatorCount; ++i) {
        const Rect v = VerticalSeparator(i, h);
        const Rect hz = HorizontalSeparator(i, w);
        canvas.FillRect(RECT{v.left, v.top, v.right, v.bottom}, kSeparatorColour);
        canvas.FillRect(RECT{hz.left, hz.top, hz.right, hz.bottom}, kSeparatorColour);
    }
    HBITMAP image = CategoryImage(CurrentCategory());
    if (!image) return;
    CellPainter painter(canvas.Handle(), image);
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) DrawCellWith(painter, column, row);
    }
}

void TPaintPanel::BlinkStep() {
    g_blinkCounter = NextBlinkCounter(g_blinkCounter);
    const int category = CurrentCategory();
    HBITMAP image = CategoryImage(category);
    if (!BlinkTickDraws(g_blinkCounter) || !HandleAllocated() || !image) return;
    ui::WindowDC dc(Handle());
    CellPainter painter(dc.Get(), image);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            if (IsSelected(category, row, column)) DrawCellWith(painter, column, row);
        }
    }
}

void TPaintPanel::ClearHover() {
    if (hoverColumn_ == -1) return;
    const int column = hoverColumn_;
    hoverColumn_ = -1;
    DrawCell(column, hoverRow_);
}

void TPaintPanel::OnMouseMove(int x, int y) {
    const Cell cell = CellAt(x, y);
    if (!cell.IsCell()) {
        ClearHover();
        return;
    }
    if (IsHover(cell.column, cell.row)) return;
    ClearHover();
    hoverColumn_ = cell.column;
    hoverRow_ = cell.row;
    DrawCell(cell.column, cell.row);
}

void TPaintPanel::OnButtonPress(int x, int y) {
    const Cell cell = CellAt(x, y);
    const int category = CurrentCategory();
    if (!cell.IsCell() || category < 0) return;
    TogglePicture(category, cell.row, cell.column);
    DrawCell(cell.column, cell.row);
    if (OnToggle) OnToggle();
}

LRESULT TPaintPanel::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    // The position's words are read unsigned, as the hit test expects.
    const int x = LOWORD(lp);
    const int y = HIWORD(lp);
    if (msg == WM_MOUSEMOVE) {
        OnMouseMove(x, y);
        return 0;
    }
    if (IsToggleMessage(msg)) {
        OnButtonPress(x, y);
        return 0;
    }
    if (msg == ui::CM_MOUSELEAVE) ClearHover();
    return CustomControl::WndProc(msg, wp, lp);
}

}  // namespace board
