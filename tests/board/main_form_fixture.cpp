// The shared main window of the Wine tests and its capture helpers.
#include "main_form_fixture.h"

#include <cstring>

#include "core/selection.h"
#include "ui/application.h"

namespace board::test {

HookLog MainFormTest::log_;
std::unique_ptr<TMainForm> MainFormTest::form_;

MainFormHooks RecordingHooks(HookLog& log) {
    MainFormHooks hooks;
    hooks.storedLengthClass = [&log] { return log.storedClass; };
    hooks.setStoredLengthClass = [&log](uint8_t c) { log.storedClass = c; };
    hooks.saveSettings = [&log] { ++log.saves; };
    hooks.showHelpContents = [&log] { ++log.helpShown; };
    hooks.showOptions = [&log] { ++log.optionsShown; };
    hooks.openWebPage = [] {};
    hooks.targetPresent = [&log] { return log.target; };
    return hooks;
}

std::ostream& operator<<(std::ostream& os, const Bgr& p) {
    return os << "BGR(" << int(p.b) << "," << int(p.g) << "," << int(p.r) << ")";
}

Bgr FromColorRef(COLORREF c) { return {GetBValue(c), GetGValue(c), GetRValue(c)}; }

Bgr PixelAt(const ui::DibSection& image, int x, int y) {
    const uint8_t* p = image.Row(y) + 3 * x;
    return {p[0], p[1], p[2]};
}

ui::DibSection CaptureClient(HWND wnd) {
    RECT client{};
    GetClientRect(wnd, &client);
    ui::DibSection image = ui::DibSection::Create(client.right, client.bottom);
    ui::WindowDC source(wnd);
    ui::MemoryDC dc(source.Get());
    {
        ui::SelectGuard select(dc.Get(), image.Handle());
        BitBlt(dc.Get(), 0, 0, client.right, client.bottom, source.Get(), 0, 0, SRCCOPY);
    }
    ui::DibSection::Sync();
    return image;
}

ui::DibSection Crop(const ui::DibSection& image, const Rect& r) {
    ui::DibSection part = ui::DibSection::Create(r.Width(), r.Height());
    for (int y = 0; y < r.Height(); ++y) {
        memcpy(part.Row(y), image.Row(r.top + y) + 3 * r.left, 3 * r.Width());
    }
    return part;
}

int DifferingPixels(const ui::DibSection& a, const ui::DibSection& b) {
    int differing = 0;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) differing += !(PixelAt(a, x, y) == PixelAt(b, x, y));
    }
    return differing;
}

LPARAM CellPoint(int column, int row) {
    const Rect r = CellRect(column, row);
    return MAKELPARAM(r.left + r.Width() / 2, r.top + r.Height() / 2);
}

void MainFormTest::SetUpTestSuite() {
    log_ = HookLog{};
    form_ = std::make_unique<TMainForm>(RecordingHooks(log_));
}

void MainFormTest::TearDownTestSuite() { form_.reset(); }

void MainFormTest::SetUp() {
    form_->PrepareForShow();
    form_->Show();
    SetForegroundWindow(form_->Handle());
    // Pointer away from the window, so that only the test decides what is hovered.
    SetCursorPos(0, 0);
    Pump();
}

void MainFormTest::Pump() { ui::Application::Instance().ProcessMessages(); }

void MainFormTest::PressCategory(int category) {
    SendMessageA(form_->CategoryButtons[category]->Handle(), WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(10, 10));
}

void MainFormTest::Press(int column, int row, UINT msg) {
    SendMessageA(form_->Board->Handle(), msg, 0, CellPoint(column, row));
}

void MainFormTest::MoveTo(int column, int row) {
    const LPARAM at = CellPoint(column, row);
    POINT screen{LOWORD(at), HIWORD(at)};
    ClientToScreen(form_->Board->Handle(), &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageA(form_->Board->Handle(), WM_MOUSEMOVE, 0, at);
}

}  // namespace board::test
