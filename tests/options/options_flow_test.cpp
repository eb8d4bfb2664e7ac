// The Options opening sequence: hot key suspended while open, tray tip rebuilt only on change.
#include "shell/options_flow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records what the sequence asks of the main window; the "dialog" sets the new hot key.
class FakeHost : public OptionsHost {
public:
    std::uint16_t hot_key = 0;
    std::uint16_t dialog_sets = 0;
    bool in_dialog = false;
    std::vector<std::string> calls;

    bool InDialog() const override { return in_dialog; }
    void SetInDialog(bool on) override {
        in_dialog = on;
        calls.push_back(on ? "in" : "out");
    }
    std::uint16_t CurrentHotKey() const override { return hot_key; }
    void UnregisterMainHotKey() override { calls.push_back("unregister"); }
    void RunOptionsDialog() override {
        calls.push_back(in_dialog ? "dialog(in)" : "dialog");
        hot_key = dialog_sets;
    }
    void RemoveTrayIcon() override { calls.push_back("remove"); }
    void AddTrayIcon() override { calls.push_back("add"); }
    void InstallHotKey() override { calls.push_back("install"); }
};

constexpr std::uint16_t kCtrlAltP = 0x4000 | 0x8000 | 'P';
constexpr std::uint16_t kCtrlShiftK = 0x4000 | 0x2000 | 'K';

struct Case {
    const char* name;
    std::uint16_t before, after;
    std::vector<std::string> expected;
};

TEST(OptionsMenuItemClick, SuspendsTheHotKeyAndRebuildsTheTipOnlyOnChange) {
    const Case cases[] = {
        {"unchanged", kCtrlAltP, kCtrlAltP,
         {"in", "unregister", "dialog(in)", "install", "out"}},
        {"changed", kCtrlAltP, kCtrlShiftK,
         {"in", "unregister", "dialog(in)", "remove", "add", "install", "out"}},
        {"cleared", kCtrlAltP, 0, {"in", "unregister", "dialog(in)", "remove", "add", "install", "out"}},
        {"none before", 0, kCtrlAltP, {"in", "dialog(in)", "remove", "add", "install", "out"}},
    };
    for (const Case& c : cases) {
        FakeHost host;
        host.hot_key = c.before;
        host.dialog_sets = c.after;
        OptionsMenuItemClick(host);
        EXPECT_EQ(host.calls, c.expected) << c.name;
        EXPECT_FALSE(host.in_dialog) << c.name;
    }
}

TEST(OptionsMenuItemClick, DoesNothingWhileADialogIsOpen) {
    FakeHost host;
    host.hot_key = kCtrlAltP;
    host.in_dialog = true;
    OptionsMenuItemClick(host);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_TRUE(host.in_dialog);
}

}  // namespace
