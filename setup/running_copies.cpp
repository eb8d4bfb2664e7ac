// The close protocol's sending side over EnumWindows, with a bounded wait.
#include "setup/running_copies.h"

#include <windows.h>

#include <vector>

#include "setup/close_running.h"
#include "setup/inst_utils.h"
#include "setup/wizard_texts.h"
#include "ui/message_seam.h"

namespace setup {
namespace {

// A copy that does not even answer gets this long per request.
constexpr UINT kSendTimeoutMs = 2000;
constexpr DWORD kPollMs = 10;

BOOL CALLBACK CollectMarked(HWND wnd, LPARAM lp) {
    if (GetPropA(wnd, kInstanceMarker)) {
        reinterpret_cast<std::vector<uintptr_t>*>(lp)->push_back(reinterpret_cast<uintptr_t>(wnd));
    }
    return TRUE;
}

}  // namespace

bool CloseRunningKorvalith() {
    const CloseOps ops{[] {
                           std::vector<uintptr_t> found;
                           EnumWindows(CollectMarked, reinterpret_cast<LPARAM>(&found));
                           return found;
                       },
                       [](uintptr_t wnd) {
                           DWORD_PTR result = 0;
                           SendMessageTimeoutA(reinterpret_cast<HWND>(wnd), CloseMessage(), 0, 0,
                                               SMTO_NORMAL, kSendTimeoutMs, &result);
                       },
                       [] { return static_cast<uint32_t>(GetTickCount()); }, [] { Sleep(kPollMs); },
                       [] {
                           return ui::AskUser(ui::MessageKind::Warning, kStillRunningQuestion,
                                              ui::MessageButton::Retry | ui::MessageButton::Cancel,
                                              ui::MessageButton::Retry,
                                              ui::MessageButton::Cancel) ==
                                  ui::MessageButton::Retry;
                       }};
    return CloseRunningCopies(ops);
}

}  // namespace setup
