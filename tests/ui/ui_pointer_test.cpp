// Custom controls under the real pointer: enter/leave notifications, hints, direct painting.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/ui_test_support.h"
#include "ui/bitmap_button.h"
#include "ui/custom_control.h"
#include "ui/form.h"
#include "ui/hint_window.h"

namespace {

constexpr COLORREF kProbeColour = RGB(200, 30, 60);

// Consumes WM_MOUSEMOVE itself, as the picture board does, and records the notifications.
class ProbeControl : public ui::CustomControl {
  public:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override {
        switch (msg) {
            case WM_MOUSEMOVE:
                ++moves;
                return 0;
            case ui::CM_MOUSEENTER:
            case ui::CM_MOUSELEAVE:
                notes.push_back(msg);
                break;
            default:
                break;
        }
        return ui::CustomControl::WndProc(msg, wp, lp);
    }
    std::vector<UINT> notes;
    int moves = 0;

  protected:
    void Paint(ui::Canvas& canvas) override {
        canvas.FillRect(RECT{0, 0, ClientWidth(), ClientHeight()}, kProbeColour);
    }
};

enum : int { kTipBtn = 1 };
constexpr ui::ControlSpec kLayout[] = {
    {ui::ControlKind::BitmapButton, kTipBtn, "TipBtn", ui::kFormParent, 200, 20, 26, 26, "",
     ui::flag::kShowHint},
};

class PointerForm : public ui::Form {
  public:
    PointerForm() {
        ui::FormDesign d;
        d.caption = "Pointer probe";
        d.client_width = 300;
        d.client_height = 200;
        d.position = ui::FormPosition::Designed;
        d.left = 100;
        d.top = 100;
        Create(d, kLayout);
        probe = Adopt(std::make_unique<ProbeControl>());
        probe->Create(Handle(), 20, 20, 100, 80);
        Find<ui::Control>(kTipBtn)->SetHint("Copy it");
        Show();
        SetForegroundWindow(Handle());
        ui_test::Pump(100);
    }
    POINT ScreenPoint(ui::Control& c, int dx, int dy) const {
        POINT p{dx, dy};
        ClientToScreen(c.Handle(), &p);
        return p;
    }
    ProbeControl* probe = nullptr;
};

// Moves the pointer as input from the device, so that the window system sends the moves.
void MovePointer(POINT p) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
}

TEST(CustomControl, GetsEnterAndLeaveFromRealPointerMoves) {
    PointerForm form;
    MovePointer(POINT{5, 5});
    ui_test::Pump(150);
    form.probe->notes.clear();
    MovePointer(form.ScreenPoint(*form.probe, 50, 40));
    ui_test::Pump(200);
    MovePointer(form.ScreenPoint(*form.probe, 60, 45));
    ui_test::Pump(200);
    EXPECT_EQ(form.probe->notes, std::vector<UINT>{ui::CM_MOUSEENTER});
    EXPECT_GE(form.probe->moves, 1);
    MovePointer(form.ScreenPoint(*form.probe, 150, 90));  // beside it, still on the form
    // The window system notices a leave on its own timer: wait for it, within reason.
    ui_test::PumpUntil([&] { return form.probe->notes.size() >= 2; }, 3000);
    EXPECT_EQ(form.probe->notes, (std::vector<UINT>{ui::CM_MOUSEENTER, ui::CM_MOUSELEAVE}));
}

TEST(CustomControl, PaintNowDrawsStraightOntoTheScreen) {
    PointerForm form;
    MovePointer(POINT{5, 5});
    ui_test::Pump(100);
    form.probe->PaintNow();
    GdiFlush();
    POINT p = form.ScreenPoint(*form.probe, 10, 10);
    ui::WindowDC screen(nullptr);
    EXPECT_EQ(GetPixel(screen.Get(), p.x, p.y), kProbeColour);
}

TEST(BitmapButton, ShowsItsHintAfterTheHintPauseAndHidesItOnLeave) {
    PointerForm form;
    auto* button = form.Find<ui::BitmapButton>(kTipBtn);
    ASSERT_NE(button, nullptr);
    MovePointer(POINT{5, 5});
    ui_test::Pump(150);
    MovePointer(form.ScreenPoint(*button, 10, 10));
    ui_test::Pump(200);
    EXPECT_EQ(ui::Application::Instance().ActiveHintWindow(), nullptr);  // before the pause
    ui_test::PumpUntil([] { return ui::Application::Instance().ActiveHintWindow() != nullptr; },
                       3000);
    ui::HintWindow* hint = ui::Application::Instance().ActiveHintWindow();
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->Text(), "Copy it");
    MovePointer(POINT{5, 5});
    ui_test::PumpUntil([] { return ui::Application::Instance().ActiveHintWindow() == nullptr; },
                       3000);
    EXPECT_EQ(ui::Application::Instance().ActiveHintWindow(), nullptr);
}

}  // namespace
