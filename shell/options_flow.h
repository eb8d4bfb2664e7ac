// The sequence that opens the Options dialog with the hot key suspended and puts it back after.
#pragma once

#include <cstdint>

// What the opening sequence needs from the main window; the main window implements it.
class OptionsHost {
public:
    virtual ~OptionsHost() = default;
    virtual bool InDialog() const = 0;
    virtual void SetInDialog(bool on) = 0;
    virtual std::uint16_t CurrentHotKey() const = 0;  // Settings.HotKey
    virtual void UnregisterMainHotKey() = 0;          // the main window's hot key, id 0
    virtual void RunOptionsDialog() = 0;              // modal; OK stores and saves the settings
    virtual void RemoveTrayIcon() = 0;
    virtual void AddTrayIcon() = 0;
    virtual void InstallHotKey() = 0;
};

// Opens the dialog unless one is open already; rebuilds the tray icon only when the hot key
// changed (its tip names the key) and registers the hot key again in every case.
void OptionsMenuItemClick(OptionsHost& host);
