// InsBtnClick's work: the password into the target box, or onto the clipboard.
#pragma once

#include "target/password_source.h"
#include "target/target_tracker.h"

#include <functional>
#include <string>

namespace korvalith {

struct DeliveryHooks {
    // The main window passes board::CopyPasswordToClipboard.
    std::function<void(const std::string&)> copy_to_clipboard;
    // HideMainWindow, sent synchronously.
    std::function<void()> hide_main_window;
};

enum class InsertOutcome {
    Copied,         // no target box, or the user agreed to the clipboard: window hidden
    Delivered,      // set in the box: state emptied, window hidden
    Declined,       // the box was gone and the user said No: everything kept
    LimitTooSmall,  // the box takes fewer characters: message shown, everything kept
    Failed,         // the page's field refused: error shown, everything kept
};

// Questions and messages go through the message seam of the window layer.
InsertOutcome InsertPassword(TargetTracker& tracker, const PasswordSource& password,
                             const DeliveryHooks& hooks);

}  // namespace korvalith
