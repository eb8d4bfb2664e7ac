// keybd_event sequences from OemKeyScan: modifiers down, the key, modifiers up in reverse.
#include "target/keystrokes.h"

#include <windows.h>

#include <iterator>

namespace korvalith {
namespace {

struct Modifier {
    DWORD scan_bit;  // the bit of OemKeyScan's answer that asks for it
    BYTE key;
};

// In the order they go down; they come up in the reverse order.
constexpr Modifier kModifiers[] = {{0x10000, VK_SHIFT}, {0x20000, VK_CONTROL}, {0x40000, VK_MENU}};
constexpr UINT kScanToVirtualKey = 1;

void KeyDown(BYTE key) { keybd_event(key, 0, 0, 0); }
void KeyUp(BYTE key) { keybd_event(key, 0, KEYEVENTF_KEYUP, 0); }

void ToggleCapsLock() {
    KeyDown(VK_CAPITAL);
    KeyUp(VK_CAPITAL);
}

void TypeCharacter(char c) {
    const DWORD scan = OemKeyScan(WORD(static_cast<unsigned char>(c)));
    for (const Modifier& m : kModifiers)
        if (scan & m.scan_bit) KeyDown(m.key);
    const BYTE key = BYTE(MapVirtualKeyA(scan & 0xFF, kScanToVirtualKey));
    KeyDown(key);
    KeyUp(key);
    for (auto m = std::rbegin(kModifiers); m != std::rend(kModifiers); ++m)
        if (scan & m->scan_bit) KeyUp(m->key);
}

}  // namespace

void TypePassword(const PasswordSource& password) {
    const bool capsLock = (GetKeyState(VK_CAPITAL) & 1) != 0;
    if (capsLock) ToggleCapsLock();
    const size_t n = password.Length();
    for (size_t k = 0; k < n; ++k) TypeCharacter(password.CharAt(k));
    if (capsLock) ToggleCapsLock();
}

}  // namespace korvalith
