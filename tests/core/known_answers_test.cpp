// Frozen passwords: the same selections and classes must give these exact texts on every build,
// for as long as the program exists, or users lose their passwords.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "core/derive.h"
#include "core/derive_internal.h"
#include "tests/core/test_selections.h"

namespace {

struct KnownAnswer {
    const char* name;
    std::vector<int> pictures;
    int lengthClass;
    const char* password;
};

const std::vector<int> kFirstFour = {0, 1, 2, 3};
// One picture per category, along the anti-diagonal of each grid.
const std::vector<int> kDiagonal = {7, 78, 149, 220, 291, 362, 433, 504};

TEST(KnownAnswers, SelectionsGiveTheirFrozenPasswords) {
    const KnownAnswer answers[] = {
        {"first four", kFirstFour, 0, "tIE2SU43H"},
        {"first four", kFirstFour, 1, "YvJDIX4px5CCTEJybZuf"},
        {"first four", kFirstFour, 2, "OsHQx1CtwW9NYfNdcdGaBm"},
        {"first four", kFirstFour, 3,
         "pYc0qftRUfV5ofr1LSJbIpkJnHJTDLKv8Vo7pIanS4NLXw3m1UXwv6CLKXHPrj"},
        {"last four",
         {508, 509, 510, 511},
         3,
         "02XQ2HA8VihwVsnZ9amzX6Ak79lzpUtDLl8udhpYHhsRZGfIq52"},
        {"five across categories", {5, 70, 200, 300, 450}, 1, "SerxJQjlbta"},
        {"five across categories", {5, 70, 200, 300, 450}, 2, "RB5G3amr3q2TvRBXmwY0WKc"},
        {"one per category", kDiagonal, 3, "xhcsFE4SdXw8Uiw2B5S0c3xMwjVZ3FZKg5x5zAam1W1"},
        {"sixteen spread", PictureRange(0, 495, 33), 2, "iTlDL2uePyy3GLQHk0bXIDp"},
        {"whole Names category", PictureRange(384, 447), 2, "tHEqWwFkbzlvA3JH1ykVJ96FOlX"},
        {"all 512", PictureRange(0, 511), 0, "q7vMFQnZL"},
        {"all 512", PictureRange(0, 511), 1, "EIrrgDMBQt3epO3aLqJ"},
        {"all 512", PictureRange(0, 511), 2, "ncxzSg5C6sGll98HOaqWAEzf3"},
        {"all 512", PictureRange(0, 511), 3,
         "mNiQDAVXmvSu3aKalf8bz6GJsZBbim0MNMSezQD5Tcz386gpFLsEg5ZDUEYLW"},
        {"all but the first", PictureRange(1, 511), 3, "Uo3ODcLe468gKSbk8gjPw1df27QyJVHn76tRC"},
    };
    for (const KnownAnswer& a : answers) {
        EXPECT_EQ(DerivePassword(SelectPictures(a.pictures), a.lengthClass), a.password)
            << a.name << ", class " << a.lengthClass;
    }
}

// The two sums no real selection is likely to reach, pinned through the sum seam.
TEST(KnownAnswers, SpecialSumsGiveTheirFrozenPasswords) {
    const SelectionFlags selection = SelectPictures(kFirstFour);
    const struct {
        int32_t sum;
        int lengthClass;
        const char* password;
    } answers[] = {
        {0, 0, "EEpdSg6l"},
        {0, 3, "27KJbXZq7qXjO1uWXfWlf2TwEqwSWjtY6"},
        {std::numeric_limits<int32_t>::min(), 0, "AmYZ2Xqj68"},
        {std::numeric_limits<int32_t>::min(), 3, "273JXSnqRIJLLJNWTNxQNG5ZCfnVJL9Yk"},
    };
    for (const auto& a : answers) {
        EXPECT_EQ(DeriveWithSum(selection, a.lengthClass, a.sum), a.password)
            << "sum " << a.sum << ", class " << a.lengthClass;
    }
}

}  // namespace
