// Putting a password on the clipboard, kept out of clipboard monitors and history.
#pragma once

#include <windows.h>

#include <string>

namespace board {

// Replaces the clipboard's contents with the text (CF_TEXT) and marks it with the registered
// formats that ask clipboard monitors and the clipboard history to leave it alone. False when
// the clipboard could not be opened or filled.
bool CopyPasswordToClipboard(const std::string& password, HWND owner = nullptr);

}  // namespace board
