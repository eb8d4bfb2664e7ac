// Shortcut text: modifier prefixes and key names from our own table.
#include "ui/shortcut.h"

#include <cstdio>
#include <string_view>

namespace ui {
namespace {

struct KeyName {
    unsigned key;
    std::string_view name;
};

// Virtual-key numbers are the Win32 ones; named here so that the text needs no keyboard driver.
constexpr KeyName kKeyNames[] = {
    {0x08, "BkSp"},    {0x09, "Tab"},   {0x0D, "Enter"},   {0x13, "Pause"},      {0x1B, "Esc"},
    {0x20, "Space"},   {0x21, "PgUp"},  {0x22, "PgDn"},    {0x23, "End"},        {0x24, "Home"},
    {0x25, "Left"},    {0x26, "Up"},    {0x27, "Right"},   {0x28, "Down"},       {0x2C, "PrtScr"},
    {0x2D, "Ins"},     {0x2E, "Del"},   {0x6A, "Num *"},   {0x6B, "Num +"},      {0x6D, "Num -"},
    {0x6E, "Num Del"}, {0x6F, "Num /"}, {0x90, "NumLock"}, {0x91, "ScrollLock"}, {0xBA, ";"},
    {0xBB, "="},       {0xBC, ","},     {0xBD, "-"},       {0xBE, "."},          {0xBF, "/"},
    {0xC0, "`"},       {0xDB, "["},     {0xDC, "\\"},      {0xDD, "]"},          {0xDE, "'"},
};

std::string KeyText(unsigned key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, static_cast<char>(key));
    char buf[8];
    if (key >= 0x60 && key <= 0x69) {
        std::snprintf(buf, sizeof buf, "Num %u", key - 0x60);
        return buf;
    }
    if (key >= 0x70 && key <= 0x87) {
        std::snprintf(buf, sizeof buf, "F%u", key - 0x70 + 1);
        return buf;
    }
    for (const KeyName& k : kKeyNames)
        if (k.key == key) return std::string(k.name);
    return {};
}

}  // namespace

std::string ShortcutToText(Shortcut s) {
    const unsigned key = s & kShortcutKeyMask & 0xFFu;
    std::string name = KeyText(key);
    if (name.empty()) return {};
    std::string text;
    if (s & kShortcutShift) text += "Shift+";
    if (s & kShortcutCtrl) text += "Ctrl+";
    if (s & kShortcutAlt) text += "Alt+";
    return text + name;
}

}  // namespace ui
