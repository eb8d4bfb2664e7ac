// TPaintPanel: the 8 x 8 picture board of the current category, with hover, selection and
// blink looks, drawn straight onto its window surface.
#pragma once

#include <functional>

#include "board/board_geometry.h"
#include "ui/custom_control.h"

namespace board {

class CellPainter;

// The process-wide blink counter, 0 at start, advanced by the blink step.
int BlinkCounter();
void SetBlinkCounter(int counter);

class TPaintPanel : public ui::CustomControl {
  public:
    TPaintPanel();

    // Cell under a point of the board, in client coordinates.
    Cell CellAt(int x, int y) const;
    // Draws one cell of the current category now, in the look its state asks for.
    void DrawCell(int column, int row);
    // One tick of the blink timer; the caller checks that a category is shown.
    void BlinkStep();

    int HoverColumn() const { return hoverColumn_; }
    int HoverRow() const { return hoverRow_; }
    void SetHoverColumn(int column) { hoverColumn_ = column; }

    // After a press has toggled a picture and its cell is drawn: the main window restarts its
    // status timer and refreshes the status.
    std::function<void()> OnToggle;

    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

  protected:
    void Paint(ui::Canvas& canvas) override;
    const char* ClassName() const override { return "TPaintPanel"; }

  private:
    bool IsHover(int column, int row) const {
        return hoverColumn_ == column && hoverColumn_ != -1 && hoverRow_ == row;
    }
    void DrawCellWith(CellPainter& painter, int column, int row);
    void ClearHover();
    void OnMouseMove(int x, int y);
    void OnButtonPress(int x, int y);

    int hoverColumn_ = -1;
    int hoverRow_ = 0;
};

}  // namespace board
