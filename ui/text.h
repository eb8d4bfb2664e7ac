// Text helpers shared by the controls: line breaks as the drawing functions want them.
#pragma once

#include <string>

namespace ui {

// Turns every lone "\r" and lone "\n" into "\r\n", so that labels, edits and message texts
// break lines where the caller put a carriage return.
std::string NormalizeLineBreaks(const std::string& text);

}  // namespace ui
