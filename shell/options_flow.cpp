// The sequence that opens the Options dialog with the hot key suspended and puts it back after.
#include "shell/options_flow.h"

void OptionsMenuItemClick(OptionsHost& host) {
    if (host.InDialog()) return;
    host.SetInDialog(true);
    const std::uint16_t before = host.CurrentHotKey();
    // The dialog's hot key field must see the current combination itself, not the main window.
    if (before != 0) host.UnregisterMainHotKey();
    host.RunOptionsDialog();
    if (host.CurrentHotKey() != before) {
        host.RemoveTrayIcon();
        host.AddTrayIcon();
    }
    host.InstallHotKey();
    host.SetInDialog(false);
}
