// The main window's keyboard shortcuts, tool buttons, delivery button and tray menu items.
#include "board/main_form.h"

#include <shellapi.h>

#include "board/clipboard.h"
#include "board/main_layout.h"
#include "core/wipe.h"
#include "ui/keys.h"

namespace board {
namespace {

void Run(const std::function<void()>& hook) {
    if (hook) hook();
}

}  // namespace

bool TMainForm::FormKeyDown(WORD key, unsigned shift) {
    switch (FormKeyAction(key, (shift & ui::kShift) != 0, (shift & ui::kCtrl) != 0,
                          (shift & ui::kAlt) != 0)) {
        case KeyAction::Close:
            Close();
            return true;
        case KeyAction::Help:
            ButtonClick(*HelpBtn);
            return true;
        case KeyAction::None:
            break;
    }
    return false;
}

void TMainForm::ButtonClick(ui::Control& sender) {
    SetActiveControl(nullptr);
    if (&sender == HelpBtn) {
        Run(hooks_.showHelpContents);
    } else if (&sender == AboutBtn) {
        Run(hooks_.showAbout);
    } else if (&sender == WebBtn) {
        if (hooks_.openWebPage) {
            hooks_.openWebPage();
        } else {
            ShellExecuteA(Handle(), "open", kProductWebPage, nullptr, nullptr, SW_SHOWNORMAL);
        }
    } else if (&sender == OptionsBtn) {
        OptionsMenuItemClick();
    } else if (&sender == CopyBtn) {
        std::string password = PasswordText();
        CopyPasswordToClipboard(password, Handle());
        WipeString(password);
    }
}

void TMainForm::InsBtnClick(ui::Control& /*sender*/) {
    if (hooks_.insBtnClick) {
        hooks_.insBtnClick(*this);
        return;
    }
    std::string password = PasswordText();
    CopyPasswordToClipboard(password, Handle());
    WipeString(password);
    Hide();
}

void TMainForm::OptionsMenuItemClick() { Run(hooks_.showOptions); }

void TMainForm::HelpMenuItemClick() { ButtonClick(*HelpBtn); }

void TMainForm::CloseMenuItemClick() {
    if (hooks_.closeMenuItem) {
        hooks_.closeMenuItem(*this);
    } else {
        Close();
    }
}

}  // namespace board
