// The tray tip names the hot key, or only the program without one.
#include "target/activation_tip.h"

#include <gtest/gtest.h>

namespace {

TEST(TrayTip, NamesTheHotKeyOrNothing) {
    struct Case {
        ui::Shortcut hotKey;
        const char* tip;
    } const cases[] = {
        {ui::kShortcutCtrl | ui::kShortcutAlt | 'P', "Korvalith (Ctrl+Alt+P)"},
        {0, "Korvalith"},
        {ui::kShortcutShift | ui::kShortcutCtrl | ui::kShortcutAlt | 0x71,
         "Korvalith (Shift+Ctrl+Alt+F2)"},
    };
    for (const Case& c : cases) EXPECT_EQ(TrayTip(c.hotKey), c.tip) << c.hotKey;
}

}  // namespace
