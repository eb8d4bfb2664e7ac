// The main window's hooks: settings store, help, Options dialog and activation.
#include "shell/main_hooks.h"

#include "shell/help.h"
#include "shell/options_flow.h"
#include "shell/options_form.h"
#include "shell/settings.h"

namespace {

constexpr char kAboutPage[] = "about.htm";
constexpr int kMainHotKeyId = 0;

// The Options dialog's view of the main window: its flag, hot key and tray icon.
class MainWindowOptionsHost : public OptionsHost {
  public:
    MainWindowOptionsHost(korvalith::Activation& activation, board::TMainForm& form)
        : activation_(activation), form_(form) {}
    bool InDialog() const override { return activation_.InDialog; }
    void SetInDialog(bool on) override { activation_.InDialog = on; }
    std::uint16_t CurrentHotKey() const override { return Settings.HotKey; }
    void UnregisterMainHotKey() override { UnregisterHotKey(form_.Handle(), kMainHotKeyId); }
    void RunOptionsDialog() override { ShowOptionsDialog(); }
    void RemoveTrayIcon() override { activation_.RemoveTrayIcon(form_); }
    void AddTrayIcon() override { activation_.AddTrayIcon(form_); }
    void InstallHotKey() override { activation_.InstallHotKey(form_); }

  private:
    korvalith::Activation& activation_;
    board::TMainForm& form_;
};

}  // namespace

korvalith::ActivationSettings SettingsForActivation() {
    return {[] { return Settings.HotKey; }, [] { return Settings.PopupWnd; }};
}

board::MainFormHooks MainWindowHooks(korvalith::Activation& activation,
                                     board::TMainForm* const& form) {
    board::MainFormHooks hooks;
    hooks.storedLengthClass = [] { return Settings.PasLen; };
    hooks.setStoredLengthClass = [](uint8_t lengthClass) { Settings.PasLen = lengthClass; };
    hooks.saveSettings = [] { SaveOptions(); };
    hooks.showHelpContents = [] { HelpManager().ShowContents(); };
    hooks.showAbout = [] { HelpManager().ShowTopic(kAboutPage); };
    hooks.showOptions = [&activation, &form] {
        if (!form) return;
        MainWindowOptionsHost host(activation, *form);
        OptionsMenuItemClick(host);
    };
    activation.Attach(hooks);
    return hooks;
}
