// Day-count dates and their DOS date-times, with the range and rounding rules.
#include <gtest/gtest.h>

#include <limits>

#include "setup/day_date.h"

namespace {

using setup::CivilTime;

TEST(DayCountDate, KnownMoments) {
    struct Case {
        CivilTime t;
        double date;
    };
    const Case cases[] = {
        {{1899, 12, 30, 0, 0, 0}, 0.0},
        {{1900, 1, 1, 12, 0, 0}, 2.5},
        {{2012, 2, 26, 11, 54, 48}, 40965.49638888889},
        {{1980, 1, 1, 0, 0, 0}, 29221.0},
        {{2000, 2, 29, 18, 0, 0}, 36585.75},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date);
        EXPECT_NEAR(setup::DayCountFromCivil(c.t), c.date, 1e-9);
        const CivilTime back = setup::CivilFromDayCount(c.date);
        EXPECT_EQ(back.year, c.t.year);
        EXPECT_EQ(back.month, c.t.month);
        EXPECT_EQ(back.day, c.t.day);
        EXPECT_EQ(back.hour, c.t.hour);
        EXPECT_EQ(back.minute, c.t.minute);
        EXPECT_EQ(back.second, c.t.second);
    }
}

TEST(DayCountDate, TimeOfDayRoundsToTheMillisecondAcrossMidnight) {
    const double lastInstant =
        setup::DayCountFromCivil({2012, 2, 26, 23, 59, 59, 999}) + 0.0006 / 86400.0;
    const CivilTime t = setup::CivilFromDayCount(lastInstant);
    EXPECT_EQ(t.day, 27);
    EXPECT_EQ(t.hour, 0);
    EXPECT_EQ(t.millisecond, 0);
}

uint32_t Dos(int y, int mo, int d, int h, int mi, int s) {
    return static_cast<uint32_t>(((y - 1980) << 25) | (mo << 21) | (d << 16) | (h << 11) |
                                 (mi << 5) | (s / 2));
}

TEST(DosDateTime, FromDayCountWithinAndOutsideTheRange) {
    struct Case {
        const char* what;
        CivilTime t;
        uint32_t dos;
    };
    const Case cases[] = {
        {"shipped member", {2012, 2, 26, 11, 54, 48}, Dos(2012, 2, 26, 11, 54, 48)},
        {"odd second dropped", {2012, 2, 26, 11, 54, 49}, Dos(2012, 2, 26, 11, 54, 48)},
        {"milliseconds dropped", {2012, 2, 26, 11, 54, 49, 999}, Dos(2012, 2, 26, 11, 54, 48)},
        {"first day", {1980, 1, 1, 0, 0, 0}, Dos(1980, 1, 1, 0, 0, 0)},
        {"last second", {2099, 12, 31, 23, 59, 59}, Dos(2099, 12, 31, 23, 59, 58)},
        {"before 1980", {1979, 12, 31, 23, 59, 59}, 0},
        {"after 2099", {2100, 1, 1, 0, 0, 0}, 0},
        {"long ago", {1601, 1, 1, 0, 0, 0}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(setup::DosDateTimeFromDayCount(setup::DayCountFromCivil(c.t)), c.dos);
    }
    EXPECT_EQ(setup::DosDateTimeFromDayCount(-1e300), 0u);
    EXPECT_EQ(setup::DosDateTimeFromDayCount(std::numeric_limits<double>::quiet_NaN()), 0u);
}

TEST(DosDateTime, ToDayCountAndBack) {
    const uint32_t dos = Dos(2012, 2, 26, 11, 54, 48);
    ASSERT_TRUE(setup::DayCountFromDosDateTime(dos));
    EXPECT_NEAR(*setup::DayCountFromDosDateTime(dos), 40965.49638888889, 1e-9);
    EXPECT_EQ(setup::DosDateTimeFromDayCount(*setup::DayCountFromDosDateTime(dos)), dos);
    EXPECT_FALSE(setup::DayCountFromDosDateTime(0));                          // month 0
    EXPECT_FALSE(setup::DayCountFromDosDateTime(Dos(2013, 2, 29, 0, 0, 0)));  // no such day
    EXPECT_FALSE(setup::DayCountFromDosDateTime(Dos(2012, 1, 1, 24, 0, 0)));
}

TEST(DosDateTime, TruncationGivesTheValueAnInstalledFileReadsBackAs) {
    const double odd = setup::DayCountFromCivil({2012, 2, 26, 11, 54, 49, 500});
    const double even = setup::DayCountFromCivil({2012, 2, 26, 11, 54, 48});
    EXPECT_EQ(setup::TruncateToDosPrecision(odd),
              *setup::DayCountFromDosDateTime(setup::DosDateTimeFromDayCount(even)));
    const double early = setup::DayCountFromCivil({1970, 1, 1, 0, 0, 1});
    EXPECT_EQ(setup::TruncateToDosPrecision(early), early);
}

}  // namespace
