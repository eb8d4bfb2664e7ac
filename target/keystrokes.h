// Typing the password as simulated keystrokes into whatever has the focus.
#pragma once

#include "target/password_source.h"

namespace korvalith {

// Turns Caps Lock off around the typing when it is on, and presses Shift, Ctrl and Alt around
// each character that needs them.
void TypePassword(const PasswordSource& password);

}  // namespace korvalith
