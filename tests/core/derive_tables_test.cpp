// The committed derivation tables have the forms the derivation relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string_view>

#include "core/derive_tables.h"

namespace {

TEST(DeriveTables, WeightsAreNonZeroAndSpreadOverTheSignedRange) {
    const auto [low, high] = std::minmax_element(kWeightTable.begin(), kWeightTable.end());
    EXPECT_LT(*low, -(1 << 30));
    EXPECT_GT(*high, 1 << 30);
    EXPECT_EQ(std::count(kWeightTable.begin(), kWeightTable.end(), 0), 0);
}

TEST(DeriveTables, KeysDifferFromPictureToPicture) {
    const std::set<PictureKey> distinct(kKeyTable.begin(), kKeyTable.end());
    EXPECT_EQ(distinct.size(), kKeyTable.size());
}

TEST(DeriveTables, SeedForEachLengthHasExactlyThatManyBytesAndSomeHoldZeros) {
    bool anyZero = false;
    for (int length = kShortestPassword; length <= kLongestPassword; ++length) {
        const std::span<const uint8_t> seed = kSeedTable[length - kShortestPassword];
        EXPECT_EQ(seed.size(), static_cast<size_t>(length));
        anyZero = anyZero || std::find(seed.begin(), seed.end(), 0) != seed.end();
    }
    EXPECT_TRUE(anyZero) << "no seed exercises a zero byte";
}

TEST(DeriveTables, EachAlphabetHoldsEveryLetterAndDigitFourOrFiveTimes) {
    constexpr std::string_view kCharacters =
        "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    for (std::string_view alphabet : kOutputAlphabets) {
        ASSERT_EQ(alphabet.size(), static_cast<size_t>(kAlphabetSize));
        std::map<char, int> counts;
        for (char c : alphabet) {
            ++counts[c];
        }
        EXPECT_EQ(counts.size(), kCharacters.size());
        for (char c : kCharacters) {
            EXPECT_TRUE(counts[c] == 4 || counts[c] == 5) << c << " occurs " << counts[c];
        }
    }
    EXPECT_NE(kOutputAlphabets[0], kOutputAlphabets[1]);
}

}  // namespace
