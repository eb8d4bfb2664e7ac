// What the main window shows below the board: the introduction text, the password line and the
// alternating status sentence, and how picture clicks, length changes and ticks drive it.
#pragma once

#include <string>

namespace board {

constexpr unsigned kStatusTimerId = 3;
constexpr unsigned kStatusPeriodMs = 1500;

constexpr const char* kIntroFixedText =
    "Please use the buttons on the left to choose image categories,\rand select 4 or more "
    "pictures from one or several categories.\r\r\r\rUse the radio buttons at the bottom of this "
    "window\rto choose a suitable length for your password.\r\r\r\r";
constexpr const char* kIntroTargetText =
    "Click the \"Insert\" button, or press the Enter key to place the password\rin the target "
    "box.";
constexpr const char* kIntroNoTargetText =
    "Click the \"Copy\" button, or press the Enter key to place the password\ronto the Windows "
    "clipboard. The password can be pasted manually\rafterwards at your convenience.";
constexpr const char* kSelectMoreText =
    "Please select 4 or more pictures from one or several categories.";
constexpr const char* kPictureCountFormat = " Pictures selected: %d";
constexpr const char* kPasswordLengthFormat = " Actual password length: %d";
constexpr const char* kInsertCaption = "Insert";
constexpr const char* kCopyCaption = "Copy";

// The introduction label's text, whose last sentence names the button that delivers.
std::string IntroText(bool targetPresent);

// The caption of the delivery button.
constexpr const char* InsertCaption(bool targetPresent) {
    return targetPresent ? kInsertCaption : kCopyCaption;
}

// Whether a password exists for this many selected pictures (all categories together).
bool PasswordExists(int selectedCount);

// The status sentence: the password length when the show-length flag is set and a password
// exists, else the number of selected pictures.
std::string StatusSentence(int selectedCount, bool showLength, int passwordLength);

// The status timer as the main window owns it; Restart kills it and sets it again, so the
// sentence just chosen stays a full period before the first tick.
class StatusTimer {
  public:
    virtual ~StatusTimer() = default;
    virtual void Restart() = 0;
};

// A picture click: the count sentence comes first.
void StatusAfterPictureClick(StatusTimer& timer);
// A length change: the length sentence comes first.
void StatusAfterLengthChange(StatusTimer& timer);
// A tick of the status timer: the other sentence.
void StatusAfterTick();

}  // namespace board
