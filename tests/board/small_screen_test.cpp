// The main window on a screen smaller than 800 x 640: sizeable, filling the work area less a
// margin. tests/board/small_screen.sh runs it on a 1024 x 600 desktop; elsewhere it checks
// that the designed size stays.
#include <cstdlib>

#include "main_form_fixture.h"

namespace board::test {
namespace {

TEST(SmallScreen, TheWindowFillsTheWorkAreaLessTwentyPixels) {
    const bool required = std::getenv("BOARD_SMALL_SCREEN") != nullptr;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    if (required) {
        ASSERT_EQ(width, 1024);
        ASSERT_EQ(height, 600);
    }
    HookLog log;
    TMainForm form(RecordingHooks(log));
    const LONG style = GetWindowLongA(form.Handle(), GWL_STYLE);
    if (width >= 800 && height >= 640) {
        EXPECT_EQ(style & WS_THICKFRAME, 0);
        RECT client{};
        GetClientRect(form.Handle(), &client);
        EXPECT_EQ(client.right, 743);
        EXPECT_EQ(client.bottom, 511);
        return;
    }
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NE(style & WS_THICKFRAME, 0);
    const RECT bounds = form.Bounds();
    EXPECT_EQ(bounds.left, work.left + 20);
    EXPECT_EQ(bounds.top, work.top + 20);
    EXPECT_EQ(bounds.right, work.right - 20);
    EXPECT_EQ(bounds.bottom, work.bottom - 20);
}

}  // namespace
}  // namespace board::test
