// Properties of the password derivation: length, characters, order independence and the
// handling of wrapped, negative and zero weight sums.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "core/derive.h"
#include "core/derive_internal.h"
#include "tests/core/test_selections.h"

namespace {

bool IsLetterOrDigit(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

// Selections of different sizes and spreads, used by the table-driven properties.
std::vector<std::vector<int>> SampleSelections() {
    return {
        {0, 1, 2, 3},           {511, 510, 509, 508},
        {5, 70, 200, 300, 450}, PictureRange(0, 511, 33),
        PictureRange(384, 447), PictureRange(0, 511),
    };
}

TEST(DerivePassword, LengthLiesInTheClassAndEveryCharacterIsALetterOrDigit) {
    for (const std::vector<int>& pictures : SampleSelections()) {
        const SelectionFlags selection = SelectPictures(pictures);
        const uint32_t m = SumMagnitude(WeightSum(selection));
        for (int c = 0; c < 4; ++c) {
            const std::string password = DerivePassword(selection, c);
            SCOPED_TRACE(testing::Message() << pictures.size() << " pictures, class " << c);
            EXPECT_GE(static_cast<int>(password.size()), ClassRange(c).min);
            EXPECT_LE(static_cast<int>(password.size()), ClassRange(c).max);
            EXPECT_EQ(static_cast<int>(password.size()), PasswordLength(m, c));
            EXPECT_EQ(std::strlen(password.c_str()), password.size());
            EXPECT_TRUE(std::all_of(password.begin(), password.end(), IsLetterOrDigit)) << password;
        }
    }
}

TEST(DerivePassword, ClickOrderDoesNotMatter) {
    std::mt19937 shuffler(7);
    for (std::vector<int> pictures : SampleSelections()) {
        ClearSelection();
        for (int k : pictures) {
            TogglePicture(k / 64, k / 8 % 8, k % 8);
        }
        const std::string ascending = DerivePassword(SelectionMap(), 3);

        std::shuffle(pictures.begin(), pictures.end(), shuffler);
        ClearSelection();
        // A detour: a picture selected and unselected again along the way.
        TogglePicture(6, 6, 6);
        for (int k : pictures) {
            TogglePicture(k / 64, k / 8 % 8, k % 8);
        }
        TogglePicture(6, 6, 6);
        EXPECT_EQ(DerivePassword(SelectionMap(), 3), ascending) << pictures.size() << " pictures";
    }
    ClearSelection();
}

TEST(DerivePassword, AnyNonZeroFlagCountsAsSelected) {
    SelectionFlags ones = SelectPictures({9, 99, 199, 299, 399});
    SelectionFlags others = ones;
    std::replace(others.begin(), others.end(), uint8_t{1}, uint8_t{0xA5});
    EXPECT_EQ(DerivePassword(others, 2), DerivePassword(ones, 2));
}

TEST(DerivePassword, SameSelectionUnderEachClassGivesDifferentPasswords) {
    const SelectionFlags selection = SelectPictures(PictureRange(3, 200, 17));
    std::vector<std::string> passwords;
    for (int c = 0; c < 4; ++c) {
        passwords.push_back(DerivePassword(selection, c));
    }
    std::sort(passwords.begin(), passwords.end());
    EXPECT_EQ(std::adjacent_find(passwords.begin(), passwords.end()), passwords.end());
}

TEST(WeightSum, WrapsPastThe32BitLimit) {
    // Enough large positive weights that the exact sum passes INT32_MAX.
    std::vector<int> pictures;
    int64_t exact = 0;
    for (int k = 0; k < kPictureCount && exact <= std::numeric_limits<int32_t>::max(); ++k) {
        if (kWeightTable[k] > (1 << 29)) {
            pictures.push_back(k);
            exact += kWeightTable[k];
        }
    }
    ASSERT_GT(exact, std::numeric_limits<int32_t>::max());
    const int32_t wrapped = static_cast<int32_t>(static_cast<uint32_t>(exact));
    const SelectionFlags selection = SelectPictures(pictures);
    EXPECT_EQ(WeightSum(selection), wrapped);
    EXPECT_LT(wrapped, 0);
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(
            static_cast<int64_t>(DerivePassword(selection, c).size()),
            ClassRange(c).min + -int64_t{wrapped} % (ClassRange(c).max - ClassRange(c).min + 1));
    }
}

TEST(SumMagnitude, IsTheAbsoluteValueAndTakesInt32MinAsUnsigned) {
    const struct {
        int32_t sum;
        uint32_t magnitude;
    } cases[] = {
        {0, 0},
        {37, 37},
        {-37, 37},
        {std::numeric_limits<int32_t>::max(), 2147483647u},
        {-std::numeric_limits<int32_t>::max(), 2147483647u},
        {std::numeric_limits<int32_t>::min(), 2147483648u},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SumMagnitude(c.sum), c.magnitude) << c.sum;
    }
}

TEST(DeriveWithSum, NegativeSumActsLikeItsAbsoluteValue) {
    // Length, second key, offsets and alphabet all come from the magnitude and its parity.
    const SelectionFlags selection = SelectPictures({1, 64, 130, 260, 500});
    for (int32_t sum : {1, 2, 31, 512, 1000003, 2147483647}) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(DeriveWithSum(selection, c, -sum), DeriveWithSum(selection, c, sum))
                << "sum " << sum << ", class " << c;
        }
    }
}

TEST(DeriveWithSum, ZeroSumGivesTheClassMinimum) {
    const SelectionFlags selection = SelectPictures({10, 20, 30, 40});
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(static_cast<int>(DeriveWithSum(selection, c, 0).size()), ClassRange(c).min);
    }
}

TEST(DeriveWithSum, Int32MinUsesTheUnsignedMagnitude) {
    const SelectionFlags selection = SelectPictures({0, 1, 2, 3});
    // 2147483648 mod 3, 10, 12, 32 = 2, 8, 8, 0.
    const int lengths[] = {10, 19, 29, 33};
    for (int c = 0; c < 4; ++c) {
        const std::string password =
            DeriveWithSum(selection, c, std::numeric_limits<int32_t>::min());
        EXPECT_EQ(static_cast<int>(password.size()), lengths[c]) << "class " << c;
        EXPECT_TRUE(std::all_of(password.begin(), password.end(), IsLetterOrDigit)) << password;
    }
}

// Without pictures the output is the mapped seed: every seed byte, zero bytes included, reaches
// its position through the alphabet of the sum's parity with offset m mod i.
TEST(DeriveWithSum, EmptySelectionMapsTheWholeSeed) {
    const SelectionFlags none{};
    for (int c = 0; c < 4; ++c) {
        const LengthRange range = ClassRange(c);
        for (int length = range.min; length <= range.max; ++length) {
            for (int32_t sum :
                 {length - range.min, -(length - range.min) - 32 * (range.max - range.min + 1)}) {
                const uint32_t m = SumMagnitude(sum);
                const std::span<const uint8_t> seed = kSeedTable[length - kShortestPassword];
                std::string expected;
                for (int i = 1; i <= length; ++i) {
                    expected += kOutputAlphabets[m % 2][(m % i + seed[i - 1]) % 256];
                }
                EXPECT_EQ(DeriveWithSum(none, c, sum), expected) << "length " << length;
            }
        }
    }
}

TEST(Pc1Channel, KeyChangesByTheInputByteNotTheOutput) {
    Pc1Channel channel;
    const uint8_t out = channel.Encipher(0x5A);
    EXPECT_NE(out, 0x5A);
    for (uint8_t k : channel.key) {
        EXPECT_EQ(k, 0x5A);
    }
    EXPECT_NE(channel.chain, 0);
}

}  // namespace
