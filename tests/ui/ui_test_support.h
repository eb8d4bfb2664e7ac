// Helpers of the window-layer tests: pumping messages for a while or until something holds.
#pragma once

#include <windows.h>

#include "ui/application.h"

namespace ui_test {

// Runs the application's message handling for about ms milliseconds.
inline void Pump(DWORD ms) {
    const DWORD end = GetTickCount() + ms;
    do {
        ui::Application::Instance().ProcessMessages();
        Sleep(5);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

// Runs the message handling until done() holds or about limit_ms have passed; returns done().
template <typename Pred>
bool PumpUntil(Pred done, DWORD limit_ms) {
    const DWORD end = GetTickCount() + limit_ms;
    while (!done() && static_cast<LONG>(end - GetTickCount()) > 0) Pump(10);
    return done();
}

}  // namespace ui_test
