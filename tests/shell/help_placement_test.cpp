// Placement of the introduction window on the work area.
#include "shell/help_placement.h"

#include <gtest/gtest.h>

namespace {

TEST(IntroWindowPlace, CentredWithMarginsAndNotClamped) {
    struct Case {
        WorkArea area;
        WindowPlace place;
    } const cases[] = {
        {{0, 0, 1024, 738}, {212, 20, 600, 698}},
        {{100, 50, 1124, 818}, {312, 70, 600, 728}},
        // Narrower than the window: the left edge lies left of the work area.
        {{0, 0, 500, 400}, {-50, 20, 600, 360}},
        // An odd remainder is truncated toward zero, also when negative.
        {{0, 0, 1025, 600}, {212, 20, 600, 560}},
        {{0, 0, 599, 600}, {0, 20, 600, 560}},
    };
    for (const Case& c : cases) EXPECT_EQ(IntroWindowPlace(c.area), c.place);
}

}  // namespace
