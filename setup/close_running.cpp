// The close request round and the bounded wait for the marked windows to disappear.
#include "setup/close_running.h"

namespace setup {

bool CloseRunningCopies(const CloseOps& ops) {
    std::vector<uintptr_t> marked = ops.FindMarked();
    for (;;) {
        for (uintptr_t wnd : marked) {
            ops.SendClose(wnd);
        }
        const uint32_t start = ops.TickMs();
        for (;;) {
            marked = ops.FindMarked();
            if (marked.empty()) {
                return true;
            }
            if (ops.TickMs() - start >= kCloseWaitMs) {
                break;
            }
            ops.Pause();
        }
        if (!ops.AskRetry()) {
            return false;
        }
    }
}

}  // namespace setup
