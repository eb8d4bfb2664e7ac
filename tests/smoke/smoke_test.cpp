// Checks that the Wine test bed runs Windows programs with a display and a private prefix.
#include <windows.h>

#include <gtest/gtest.h>

TEST(WineBed, CreatesAWindowOnTheDisplay) {
    HWND wnd = CreateWindowExA(0, "STATIC", "probe", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(wnd, nullptr);
    DestroyWindow(wnd);
}
