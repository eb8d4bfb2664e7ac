// The status sentences and their alternation, and the main window's other decisions.
#include "board/status_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/characters_set.h"
#include "board/check_button_look.h"
#include "board/main_layout.h"
#include "core/selection.h"

namespace board {
namespace {

TEST(StatusSentence, ShowsTheLengthOnlyWhenAPasswordExistsAndTheFlagIsSet) {
    struct Case {
        int count;
        bool showLength;
        int length;
        const char* expected;
    };
    const Case cases[] = {
        {0, false, 0, " Pictures selected: 0"},
        {3, true, 0, " Pictures selected: 3"},
        {4, false, 40, " Pictures selected: 4"},
        {4, true, 40, " Actual password length: 40"},
        {512, true, 64, " Actual password length: 64"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StatusSentence(c.count, c.showLength, c.length), c.expected) << c.count;
    }
}

TEST(IntroText, EndsWithTheSentenceOfTheDeliveryButton) {
    const std::string fixed = kIntroFixedText;
    EXPECT_EQ(IntroText(true), fixed +
                                   "Click the \"Insert\" button, or press the Enter key to "
                                   "place the password\rin the target box.");
    EXPECT_EQ(IntroText(false), fixed +
                                    "Click the \"Copy\" button, or press the Enter key to "
                                    "place the password\ronto the Windows clipboard. The "
                                    "password can be pasted manually\rafterwards at your "
                                    "convenience.");
    EXPECT_STREQ(InsertCaption(true), "Insert");
    EXPECT_STREQ(InsertCaption(false), "Copy");
}

// The main window's status timer on a simulated clock: it fires every period after its last
// restart, as a killed and re-set window timer does.
class ClockedTimer : public StatusTimer {
  public:
    void Restart() override { lastRestart_ = now_; }
    bool Due() const { return now_ > lastRestart_ && (now_ - lastRestart_) % kStatusPeriodMs == 0; }
    void Advance(unsigned ms) { now_ += ms; }
    unsigned Now() const { return now_; }

  private:
    unsigned now_ = 0;
    unsigned lastRestart_ = 0;
};

enum class Event { LengthChange, PictureClick };

struct Step {
    unsigned at;
    Event event;
    int count;  // selected pictures after the event
};

struct Shown {
    unsigned at;
    std::string sentence;
    friend bool operator==(const Shown&, const Shown&) = default;
};

std::ostream& operator<<(std::ostream& os, const Shown& s) {
    return os << s.at << ":" << s.sentence;
}

// Runs the events on a 100 ms grid and records every sentence the status line takes.
std::vector<Shown> RunStatus(const std::vector<Step>& steps, unsigned until, int length) {
    SetShowLength(false);
    ClockedTimer timer;
    std::vector<Shown> shown;
    int count = 0;
    size_t next = 0;
    for (; timer.Now() <= until; timer.Advance(100)) {
        if (next < steps.size() && steps[next].at == timer.Now()) {
            count = steps[next].count;
            if (steps[next].event == Event::LengthChange) {
                StatusAfterLengthChange(timer);
            } else {
                StatusAfterPictureClick(timer);
            }
            ++next;
        } else if (timer.Due()) {
            StatusAfterTick();
        } else {
            continue;
        }
        shown.push_back({timer.Now(), StatusSentence(count, ShowLength(), length)});
    }
    return shown;
}

TEST(StatusAlternation, LengthFirstAfterALengthChangeCountFirstAfterAClick) {
    const std::vector<Shown> shown = RunStatus({{0, Event::LengthChange, 5},
                                                {3700, Event::PictureClick, 6},
                                                {6000, Event::LengthChange, 6}},
                                               7600, 40);
    const std::vector<Shown> expected = {
        {0, " Actual password length: 40"},    {1500, " Pictures selected: 5"},
        {3000, " Actual password length: 40"}, {3700, " Pictures selected: 6"},
        {5200, " Actual password length: 40"}, {6000, " Actual password length: 40"},
        {7500, " Pictures selected: 6"},
    };
    EXPECT_EQ(shown, expected);
}

TEST(StatusAlternation, BelowFourPicturesTheCountStaysThroughTicks) {
    const std::vector<Shown> shown = RunStatus({{0, Event::LengthChange, 3}}, 3000, 0);
    const std::vector<Shown> expected = {{0, " Pictures selected: 3"},
                                         {1500, " Pictures selected: 3"},
                                         {3000, " Pictures selected: 3"}};
    EXPECT_EQ(shown, expected);
}

TEST(FormKeyAction, ActsOnEscapeAndF1OnlyWithoutModifiers) {
    struct Case {
        unsigned key;
        bool shift, ctrl, alt;
        KeyAction expected;
    };
    const Case cases[] = {
        {27, false, false, false, KeyAction::Close}, {27, false, true, false, KeyAction::None},
        {27, true, false, false, KeyAction::None},   {27, false, false, true, KeyAction::None},
        {112, false, false, false, KeyAction::Help}, {112, false, true, false, KeyAction::None},
        {13, false, false, false, KeyAction::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormKeyAction(c.key, c.shift, c.ctrl, c.alt), c.expected)
            << c.key << c.shift << c.ctrl << c.alt;
    }
}

TEST(MainLayout, SmallScreensAndThePasswordLine) {
    EXPECT_TRUE(IsSmallScreen(1024, 600));
    EXPECT_TRUE(IsSmallScreen(799, 768));
    EXPECT_FALSE(IsSmallScreen(800, 640));
    EXPECT_EQ(SmallScreenBounds({0, 0, 1024, 600}), (Rect{20, 20, 1004, 580}));
    // Designed: PasEdt at 158, CopyBtn at 637 and 24 wide.
    EXPECT_EQ(PasswordLineWidth(true, 158, 637, 24), 477);
    EXPECT_EQ(PasswordLineWidth(false, 158, 637, 24), 503);
    EXPECT_EQ(LengthClassFromChecks({false, true, true, false}), 1);
    EXPECT_EQ(LengthClassFromChecks({false, false, false, false}), 3);
}

TEST(CheckButtonLook, NormalHotAndDown) {
    const CheckButtonLook normal = CheckButtonLookFor(false, false, 0);
    const CheckButtonLook hot = CheckButtonLookFor(false, true, 0);
    const CheckButtonLook down = CheckButtonLookFor(true, false, 0);
    EXPECT_EQ(normal.face, 0xFFFFE1u);
    EXPECT_EQ(normal.innerFrame, 0x808080u);
    EXPECT_FALSE(normal.outerFrame);
    EXPECT_EQ(hot.face, 0xFFF0F0u);
    EXPECT_EQ(hot.innerFrame, 0xFF0000u);
    EXPECT_FALSE(hot.outerFrame);
    EXPECT_EQ(down.face, 0xFFFF00u);
    EXPECT_EQ(down.innerFrame, 0xFF0000u);
    EXPECT_TRUE(down.outerFrame);
    EXPECT_EQ(CheckButtonLookFor(true, true, 0).face, down.face);
    EXPECT_EQ(CheckButtonLookFor(false, false, 3).fontHeight, 15);
    EXPECT_EQ(normal.fontHeight, 16);
    EXPECT_EQ(CategoryButtonRect(7, 81), (Rect{3, 395, 77, 447}));
    EXPECT_EQ(CaptionRect(74, 52, 60, 18), (Rect{7, 17, 67, 35}));
}

TEST(CharacterCells, RunThroughLettersSymbolsDigitsAndLettersAgain) {
    struct Case {
        int cell;
        char character;
        unsigned background;
    };
    const Case cases[] = {{0, 'A', 0x00DDFF},  {25, 'Z', 0x00DDFF}, {26, '-', 0xFFCC00},
                          {27, '0', 0xFFCC00}, {36, '9', 0xFFCC00}, {37, '.', 0xFFCC00},
                          {38, 'A', 0xCCFFCC}, {63, 'Z', 0xCCFFCC}};
    for (const Case& c : cases) {
        EXPECT_EQ(kCharacterCells[c.cell].character, c.character) << c.cell;
        EXPECT_EQ(kCharacterCells[c.cell].background, c.background) << c.cell;
    }
}

}  // namespace
}  // namespace board
