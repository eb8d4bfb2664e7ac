// The notification-area icon's tip, with the hot key written out as text.
#pragma once

#include <string>

#include "ui/shortcut.h"

// "Korvalith (Ctrl+Alt+P)", or "Korvalith" without a hot key.
std::string TrayTip(ui::Shortcut hotKey);
