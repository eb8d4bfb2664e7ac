// Texts and show-length flag handling of the status line.
#include "board/status_line.h"

#include <cstdio>

#include "core/selection.h"

namespace board {
namespace {

std::string Format(const char* format, int value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

std::string IntroText(bool targetPresent) {
    return std::string(kIntroFixedText) + (targetPresent ? kIntroTargetText : kIntroNoTargetText);
}

bool PasswordExists(int selectedCount) { return selectedCount >= kMinimumSelection; }

std::string StatusSentence(int selectedCount, bool showLength, int passwordLength) {
    if (PasswordExists(selectedCount) && showLength) {
        return Format(kPasswordLengthFormat, passwordLength);
    }
    return Format(kPictureCountFormat, selectedCount);
}

void StatusAfterPictureClick(StatusTimer& timer) {
    timer.Restart();
    SetShowLength(false);
}

void StatusAfterLengthChange(StatusTimer& timer) {
    timer.Restart();
    SetShowLength(true);
}

void StatusAfterTick() { InvertShowLength(); }

}  // namespace board
