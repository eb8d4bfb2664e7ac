// A real main window for the Wine tests, with hooks that record what the window asked for, and
// helpers that send mouse messages and read the window's pixels back.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "board/board_geometry.h"
#include "board/main_form.h"
#include "ui/image.h"

namespace board::test {

struct HookLog {
    uint8_t storedClass = 1;
    int saves = 0;
    int helpShown = 0;
    int optionsShown = 0;
    bool target = false;
};

MainFormHooks RecordingHooks(HookLog& log);

// 24-bit pixel as it lies in a DIB section.
struct Bgr {
    uint8_t b, g, r;
    friend bool operator==(const Bgr&, const Bgr&) = default;
};
std::ostream& operator<<(std::ostream& os, const Bgr& p);
Bgr FromColorRef(COLORREF c);
Bgr PixelAt(const ui::DibSection& image, int x, int y);

// The client area of a window as it is drawn now, read from the window's own surface.
ui::DibSection CaptureClient(HWND wnd);
// Pixels of one rectangle of a capture, as a DIB of its own.
ui::DibSection Crop(const ui::DibSection& image, const Rect& r);
// How many pixels differ between two images of the same size.
int DifferingPixels(const ui::DibSection& a, const ui::DibSection& b);

// Centre of a cell in board client coordinates, as a mouse message's position.
LPARAM CellPoint(int column, int row);

class MainFormTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    // Every test starts from a freshly prepared, shown window.
    void SetUp() override;

    static void Pump();
    static void PressCategory(int category);
    static void Press(int column, int row, UINT msg = WM_LBUTTONDOWN);
    // Hover over a cell, with the real pointer there too so that no leave notice follows.
    static void MoveTo(int column, int row);

    static HookLog log_;
    static std::unique_ptr<TMainForm> form_;
};

}  // namespace board::test
