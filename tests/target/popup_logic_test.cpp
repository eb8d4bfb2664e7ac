// Checks the popup button's placement, its hint timing and its hovered look.
#include "target/popup_logic.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <vector>

namespace korvalith {
namespace {

struct PlaceCase {
    BoxRect box;
    int32_t screen_width;
    std::optional<PopupPosition> expected;
};

// gtest prints a parameter in test names and listings.
void PrintTo(const PlaceCase& c, std::ostream* out) {
    *out << "box " << c.box.Left << "," << c.box.Top << "-" << c.box.Right << "," << c.box.Bottom
         << " on a screen " << c.screen_width << " wide";
}

const PlaceCase kPlaceCases[] = {
    {{100, 200, 300, 210}, 1024, PopupPosition{301, 196}},  // 10 high: 4 above the box's top
    {{100, 200, 300, 225}, 1024, PopupPosition{301, 203}},  // 25 high: 3 below
    {{100, 200, 300, 218}, 1024, PopupPosition{301, 200}},
    {{100, 200, 1005, 220}, 1024, PopupPosition{1006, 201}},  // exactly 19 pixels left
    {{100, 200, 1006, 220}, 1024, std::nullopt},
};

class PopupPlacementTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(PopupPlacementTest, StandsRightOfTheBoxCentredOnItsHeight) {
    EXPECT_EQ(PopupButtonPosition(GetParam().box, GetParam().screen_width), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Boxes, PopupPlacementTest, testing::ValuesIn(kPlaceCases));

struct Step {
    bool over;
    uint32_t now;
    HoverAction expected;
};

void RunSteps(uint32_t start, const std::vector<Step>& steps) {
    HoverState state;
    for (const Step& s : steps)
        EXPECT_EQ(HoverStep(state, s.over, start + s.now, 500), s.expected) << "at " << s.now;
}

TEST(HoverStep, HintAfterThePauseGoneAfterFiveSecondsBackAfterReentering) {
    const std::vector<Step> steps = {
        {false, 0, HoverAction::None},        {true, 100, HoverAction::Repaint},
        {true, 500, HoverAction::None},       {true, 600, HoverAction::ShowHint},
        {true, 700, HoverAction::None},       {true, 5000, HoverAction::None},
        {true, 5100, HoverAction::HideHint},  {true, 9000, HoverAction::None},
        {false, 9100, HoverAction::Repaint},  {true, 9200, HoverAction::Repaint},
        {true, 9700, HoverAction::ShowHint},  {false, 9800, HoverAction::Repaint},
        {false, 9900, HoverAction::HideHint},
    };
    RunSteps(1000, steps);
}

TEST(HoverStep, TickCountWrappingWhileHovering) {
    const std::vector<Step> steps = {
        {true, 0, HoverAction::Repaint},
        {true, 600, HoverAction::ShowHint},
        {true, 5000, HoverAction::HideHint},
    };
    RunSteps(0xFFFFFF00u, steps);  // the clock passes zero between the steps
}

TEST(LightenPopupImage, CheckerboardOfHalfwayAndSixteenBrighter) {
    constexpr size_t kStride = 48 + 4;
    std::vector<uint8_t> bits(kStride * 16, 100);
    bits[0] = 250;  // (0, 0) is even: capped at 255
    LightenPopupImage(bits.data(), kStride);
    EXPECT_EQ(bits[0], 255);
    EXPECT_EQ(bits[1], 116);            // (0, 0), second byte
    EXPECT_EQ(bits[3], 177);            // (1, 0) odd: 100 + 155 * 5 / 10
    EXPECT_EQ(bits[kStride + 0], 177);  // (0, 1) odd
    EXPECT_EQ(bits[kStride + 3], 116);  // (1, 1) even
    EXPECT_EQ(bits[48], 100);           // the row's padding stays
}

}  // namespace
}  // namespace korvalith
