// Checks which limit message a box's limit and a password's length give, word for word.
#include "target/delivery_messages.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace korvalith {
namespace {

const std::string kFirst12 =
    "The target box does not accept passwords longer than 12 characters.\r\rPlease select a "
    "different combination of pictures to generate a shorter password, or specify a shorter "
    "\"Password length\" at the bottom of this window.";
const std::string kSecond9 =
    "The target box does not accept passwords longer than 9 characters.\r\rPlease select a "
    "different combination of pictures to generate a shorter password.";
const std::string kThird6 =
    "Sorry, but the target box does not accept passwords longer than 6 characters. Korvalith "
    "does not support passwords shorter than 8 characters.";

struct LimitCase {
    int32_t limit;
    size_t length;
    std::optional<std::string> expected;
};

// gtest prints a parameter in test names and listings.
void PrintTo(const LimitCase& c, std::ostream* out) {
    *out << "limit " << c.limit << ", length " << c.length;
}

std::string Replace(std::string s, const std::string& from, const std::string& to) {
    s.replace(s.find(from), from.size(), to);
    return s;
}

const LimitCase kLimitCases[] = {
    {0, 20, std::nullopt},   // no limit named
    {-1, 20, std::nullopt},  // a multi-line edit without limit answers -1
    {20, 20, std::nullopt},  // exactly the password's length
    {64, 20, std::nullopt},
    {12, 20, kFirst12},
    {10, 11, Replace(kFirst12, "12", "10")},  // the shortest class's maximum already fits
    {9, 10, kSecond9},
    {8, 9, Replace(kSecond9, " 9 ", " 8 ")},
    {6, 8, kThird6},
    {7, 64, Replace(kThird6, " 6 ", " 7 ")},
    {1, 8, Replace(kThird6, " 6 ", " 1 ")},
};

class LimitMessageTest : public testing::TestWithParam<LimitCase> {};

TEST_P(LimitMessageTest, PicksTheMessageForTheLimit) {
    const LimitCase& c = GetParam();
    EXPECT_EQ(LimitMessage(c.limit, c.length), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Limits, LimitMessageTest, testing::ValuesIn(kLimitCases));

TEST(DeliveryMessages, QuestionBreaksLinesWithSingleCarriageReturns) {
    const std::string q = kNoInsertQuestion;
    EXPECT_EQ(q.find('\n'), std::string::npos);
    EXPECT_NE(q.find("target box.\r\rWould you like"), std::string::npos);
}

}  // namespace
}  // namespace korvalith
