// Keyboard shortcuts as one 16-bit value (key | 0x2000 Shift | 0x4000 Ctrl | 0x8000 Alt).
#pragma once

#include <cstdint>
#include <string>

namespace ui {

using Shortcut = std::uint16_t;

constexpr Shortcut kShortcutShift = 0x2000;
constexpr Shortcut kShortcutCtrl = 0x4000;
constexpr Shortcut kShortcutAlt = 0x8000;
constexpr Shortcut kShortcutKeyMask = 0x1FFF;

// The hot key control's form: virtual key in the low byte, modifier bits in the high byte.
constexpr std::uint16_t kHotKeyShift = 0x01;
constexpr std::uint16_t kHotKeyCtrl = 0x02;
constexpr std::uint16_t kHotKeyAlt = 0x04;
constexpr std::uint16_t kHotKeyExt = 0x08;

constexpr Shortcut ShortcutFromHotKey(std::uint16_t hk) {
    const unsigned key = hk & 0xFFu;
    if (key == 0) return 0;
    const unsigned mods = (hk >> 8) & 0xFFu;
    unsigned s = key;
    if (mods & kHotKeyShift) s |= kShortcutShift;
    if (mods & kHotKeyCtrl) s |= kShortcutCtrl;
    if (mods & kHotKeyAlt) s |= kShortcutAlt;
    return static_cast<Shortcut>(s);
}

constexpr std::uint16_t HotKeyFromShortcut(Shortcut s) {
    const unsigned key = s & 0xFFu;
    if (key == 0) return 0;
    unsigned mods = 0;
    if (s & kShortcutShift) mods |= kHotKeyShift;
    if (s & kShortcutCtrl) mods |= kHotKeyCtrl;
    if (s & kShortcutAlt) mods |= kHotKeyAlt;
    return static_cast<std::uint16_t>(key | (mods << 8));
}

// "Shift+", "Ctrl+", "Alt+" in that order, then the key's name ("Ctrl+Alt+P", "F5", "PgUp");
// empty for 0. Names come from our own table, not from the keyboard driver.
std::string ShortcutToText(Shortcut s);

}  // namespace ui
