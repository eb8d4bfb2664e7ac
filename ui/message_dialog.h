// The message dialog: a small modal window with an icon, the text and a row of buttons.
#pragma once

#include "ui/message_seam.h"

namespace ui {

// Shows the dialog now (no seam) and returns the pressed button (the Escape answer when the
// dialog is closed otherwise). The window has the class "KorvalithMessageDialog", the
// request's caption (else the application's title), a STATIC text and one BUTTON per button
// with the captions "&Yes", "&No", "OK", "Cancel", "&Abort", "&Retry", "&Ignore".
MessageButton ShowMessageDialog(const MessageRequest& request);

// The seam that shows the real dialog; the application object installs it.
MessageSeam& DialogMessageSeam();

// The caption of a button.
const char* MessageButtonCaption(MessageButton b);

}  // namespace ui
