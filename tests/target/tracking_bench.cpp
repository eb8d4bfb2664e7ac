// Prints the time of one popup-mode tracking step (screen capture included) against a focused
// password edit and a browser page's password field of the target program.
#include "target/target_tracker.h"
#include "tests/target/target_process.h"

#include <cstdio>

namespace {

constexpr int kSteps = 20;

void Measure(const char* name, const char* args) {
    target_test::TargetProcess target(args);
    if (!target.Ready() || !target.WaitForeground()) {
        std::printf("%-28s target not ready\n", name);
        return;
    }
    target_test::PumpFor(100);
    korvalith::TargetTracker tracker(nullptr, {[] {}, [] {}});
    LARGE_INTEGER freq, start, end;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&start);
    tracker.TrackTarget(true);  // the first step attaches and loads what it needs
    QueryPerformanceCounter(&end);
    std::printf("%-28s %8.3f ms for the first step\n", name,
                double(end.QuadPart - start.QuadPart) * 1000.0 / double(freq.QuadPart));
    std::fflush(stdout);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < kSteps; ++i) tracker.TrackTarget(true);
    QueryPerformanceCounter(&end);
    const double ms = double(end.QuadPart - start.QuadPart) * 1000.0 / double(freq.QuadPart);
    std::printf("%-28s %8.3f ms per TrackTarget(true) step (%d steps, box %s)\n", name, ms / kSteps,
                kSteps, tracker.State().TargetBoxWnd ? "found" : "not found");
    std::fflush(stdout);
}

}  // namespace

int main() {
    Measure("focused password edit", "password");
    Measure("browser password field", "page");
    return 0;
}
