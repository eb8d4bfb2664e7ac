// Figures of the picture board on a real main window: click, blink tick, decoding, memory.
#include <windows.h>

#include <cstdio>

#include "board/board_geometry.h"
#include "board/main_form.h"
#include "board/paint_panel.h"
#include "core/derive.h"
#include "core/selection.h"
#include "core/wipe.h"
#include "ui/application.h"
#include "ui/image.h"

namespace {

double NowMicroseconds() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1e6 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Committed private memory of the process, summed over its regions (the same under Wine and
// Windows, where the process counters may leave PrivateUsage empty).
double PrivateBytes() {
    double total = 0;
    MEMORY_BASIC_INFORMATION info{};
    for (const char* p = nullptr; VirtualQuery(p, &info, sizeof info) == sizeof info;
         p = static_cast<const char*>(info.BaseAddress) + info.RegionSize) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += info.RegionSize;
        if (info.RegionSize == 0) break;
    }
    return total;
}

LPARAM CellPoint(int column, int row) {
    const board::Rect r = board::CellRect(column, row);
    return MAKELPARAM(r.left + r.Width() / 2, r.top + r.Height() / 2);
}

void PressCategory(board::TMainForm& form, int category) {
    SendMessageA(form.CategoryButtons[category]->Handle(), WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(10, 10));
}

}  // namespace

int main() {
    const double privateAtStart = PrivateBytes();
    board::TMainForm form;
    form.PrepareForShow();
    form.Show();
    ui::Application::Instance().ProcessMessages();

    PressCategory(form, 0);
    HWND boardWnd = form.Board->Handle();
    for (int i = 0; i < 16; ++i) SendMessageA(boardWnd, WM_LBUTTONDOWN, 0, CellPoint(i % 8, i / 8));

    // Each round toggles a 17th picture on and off: one cell drawn and the status refreshed per
    // click, the password derived from 16 or 17 pictures.
    constexpr int kClicks = 400;
    double start = NowMicroseconds();
    for (int i = 0; i < kClicks; ++i) SendMessageA(boardWnd, WM_LBUTTONDOWN, 0, CellPoint(7, 7));
    std::printf("click to cell redrawn and status refreshed (16 selected): %.1f us\n",
                (NowMicroseconds() - start) / kClicks);

    // The two parts of a click's cost.
    start = NowMicroseconds();
    for (int i = 0; i < kClicks; ++i) form.UpdateStatus();
    std::printf("  of which the status refresh alone: %.1f us\n",
                (NowMicroseconds() - start) / kClicks);
    start = NowMicroseconds();
    for (int i = 0; i < kClicks; ++i) {
        std::string password = DerivePassword(SelectionMap(), form.SelectedLengthClass());
        WipeString(password);
    }
    std::printf("  of which the derivation alone: %.1f us\n",
                (NowMicroseconds() - start) / kClicks);

    constexpr int kTicks = 400;
    start = NowMicroseconds();
    for (int i = 0; i < kTicks; ++i) {
        board::SetBlinkCounter(0);  // the next tick is a drawing one
        form.Board->BlinkStep();
    }
    std::printf("blink tick redrawing 16 selected cells: %.1f us\n",
                (NowMicroseconds() - start) / kTicks);

    constexpr int kDecodes = 20;
    start = NowMicroseconds();
    for (int i = 0; i < kDecodes; ++i) {
        ui::DibSection image = ui::LoadJpegResource("CAT0");
        if (!image) std::printf("(CAT0 resource missing)\n");
    }
    std::printf("decoding one category image (640 x 440 JPEG): %.1f us\n",
                (NowMicroseconds() - start) / kDecodes);

    for (int category = 0; category < kCategoryCount; ++category) PressCategory(form, category);
    ui::Application::Instance().ProcessMessages();
    std::printf("private memory after all eight categories shown: %.1f KB (%.1f KB at start)\n",
                PrivateBytes() / 1024.0, privateAtStart / 1024.0);
    return 0;
}
