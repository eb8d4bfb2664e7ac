// Closing running copies of the password program before files are copied over them, with a
// bounded wait after which the user decides.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace setup {

// How long the copies get to go away before the user is asked.
constexpr uint32_t kCloseWaitMs = 3000;

struct CloseOps {
    // The top-level windows that carry the instance marker now.
    std::function<std::vector<uintptr_t>()> FindMarked;
    // Sends the close request to one window and returns when it was handled (or timed out).
    std::function<void(uintptr_t)> SendClose;
    std::function<uint32_t()> TickMs;
    // Called while waiting, between two searches.
    std::function<void()> Pause;
    // Asked when copies remain after the wait: true to try again, false to give up.
    std::function<bool()> AskRetry;
};

// Sends the request to every marked window, then searches again until none is left. True when
// none is left; false when the user gave up.
bool CloseRunningCopies(const CloseOps& ops);

}  // namespace setup
