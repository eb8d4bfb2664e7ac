// The selection map operations, the class table and the stored-class rule.
#include <gtest/gtest.h>

#include "core/selection.h"

namespace {

class SelectionMapTest : public ::testing::Test {
  protected:
    void SetUp() override { ClearSelection(); }
    void TearDown() override {
        ClearSelection();
        SetCurrentCategory(kNoCategory);
    }
};

TEST_F(SelectionMapTest, TogglingTwiceLeavesThePictureUnselected) {
    TogglePicture(2, 3, 4);
    EXPECT_TRUE(IsSelected(2, 3, 4));
    EXPECT_EQ(SelectionMap()[2 * 64 + 3 * 8 + 4], 1);
    TogglePicture(2, 3, 4);
    EXPECT_FALSE(IsSelected(2, 3, 4));
    EXPECT_EQ(SelectedCount(), 0);
}

TEST_F(SelectionMapTest, SelectionSpansCategoriesAndSurvivesCategorySwitches) {
    TogglePicture(0, 0, 0);
    SetCurrentCategory(7);
    TogglePicture(7, 7, 7);
    TogglePicture(7, 0, 1);
    SetCurrentCategory(0);
    EXPECT_EQ(SelectedCount(), 3);
    TogglePicture(4, 2, 2);
    EXPECT_EQ(SelectedCount(), kMinimumSelection);
    EXPECT_TRUE(IsSelected(0, 0, 0));
    EXPECT_TRUE(IsSelected(7, 7, 7));
    EXPECT_FALSE(IsSelected(7, 7, 6));
}

TEST_F(SelectionMapTest, AnyNonZeroByteCountsAsSelected) {
    SelectionMap()[100] = 0xFF;
    SelectionMap()[101] = 2;
    EXPECT_EQ(SelectedCount(), 2);
    EXPECT_TRUE(IsSelected(1, 4, 4));  // index 100
}

TEST_F(SelectionMapTest, ClearEmptiesEveryCategory) {
    for (int c = 0; c < kCategoryCount; ++c) {
        TogglePicture(c, c, 7 - c);
    }
    ASSERT_EQ(SelectedCount(), kCategoryCount);
    ClearSelection();
    EXPECT_EQ(SelectedCount(), 0);
    for (uint8_t flag : SelectionMap()) {
        EXPECT_EQ(flag, 0);
    }
}

TEST(PictureIndex, NumbersCategoriesThenRowsThenColumns) {
    static_assert(PictureIndex(0, 0, 0) == 0);
    static_assert(PictureIndex(0, 0, 7) == 7);
    static_assert(PictureIndex(0, 1, 0) == 8);
    static_assert(PictureIndex(1, 0, 0) == 64);
    static_assert(PictureIndex(7, 7, 7) == kPictureCount - 1);
}

TEST(LengthClasses, AreContiguousFrom8To64) {
    EXPECT_EQ(ClassRange(0).min, 8);
    EXPECT_EQ(ClassRange(3).max, 64);
    for (int c = 1; c < 4; ++c) {
        EXPECT_EQ(ClassRange(c).min, ClassRange(c - 1).max + 1) << "class " << c;
    }
}

TEST(LengthClasses, StoredByteOutsideTheFirstThreeClassesMeansTheDefault) {
    const struct {
        uint8_t stored;
        uint8_t selected;
    } cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 3}, {7, 3}, {255, 3}};
    for (const auto& c : cases) {
        EXPECT_EQ(NormalizeStoredLengthClass(c.stored), c.selected) << int{c.stored};
    }
}

}  // namespace
