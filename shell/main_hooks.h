// What the start-up plugs into the main window: settings, help, the Options dialog and the
// activation code.
#pragma once

#include "board/main_form.h"
#include "target/activation.h"

// The settings the activation code reads, taken from Settings.
korvalith::ActivationSettings SettingsForActivation();

// Fills the main window's hooks; the form pointer is set once the window exists, since the
// Options dialog works on its hot key and tray icon.
board::MainFormHooks MainWindowHooks(korvalith::Activation& activation,
                                     board::TMainForm* const& form);
