// Conversions between day-count dates, calendar moments and DOS date-times.
#include "setup/day_date.h"

#include <cmath>

namespace setup {
namespace {

constexpr int64_t kMsPerDay = 86400000;
constexpr int kFirstDosYear = 1980;
constexpr int kLastDosYear = 2099;
// Days from 1 January 1970 to 30 December 1899, the day-count epoch.
constexpr int64_t kEpochShift = -25569;

// Days since 1 January 1970 of a proleptic Gregorian date (H. Hinnant's algorithm).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (month <= 2));
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

}  // namespace

double DayCountFromCivil(const CivilTime& t) {
    const int64_t days =
        DaysFromCivil(t.year, static_cast<unsigned>(t.month), static_cast<unsigned>(t.day)) -
        kEpochShift;
    const int64_t ms =
        ((static_cast<int64_t>(t.hour) * 60 + t.minute) * 60 + t.second) * 1000 + t.millisecond;
    return static_cast<double>(days) + static_cast<double>(ms) / static_cast<double>(kMsPerDay);
}

CivilTime CivilFromDayCount(double date) {
    CivilTime t;
    if (!std::isfinite(date) || std::fabs(date) > 1e7) {
        return t;  // far outside any calendar the programs use; year 0 fails every range check
    }
    // The whole value is rounded to the millisecond first, so 23:59:59.9996 becomes the next day.
    const int64_t total = std::llround(date * static_cast<double>(kMsPerDay));
    int64_t days = total / kMsPerDay;
    int64_t ms = total % kMsPerDay;
    if (ms < 0) {
        ms += kMsPerDay;
        --days;
    }
    CivilFromDays(days + kEpochShift, t.year, t.month, t.day);
    t.millisecond = static_cast<int>(ms % 1000);
    ms /= 1000;
    t.second = static_cast<int>(ms % 60);
    ms /= 60;
    t.minute = static_cast<int>(ms % 60);
    t.hour = static_cast<int>(ms / 60);
    return t;
}

uint32_t DosDateTimeFromDayCount(double date) {
    const CivilTime t = CivilFromDayCount(date);
    if (t.year < kFirstDosYear || t.year > kLastDosYear) {
        return 0;
    }
    const uint32_t dosDate =
        static_cast<uint32_t>(((t.year - kFirstDosYear) << 9) | (t.month << 5) | t.day);
    const uint32_t dosTime =
        static_cast<uint32_t>((t.hour << 11) | (t.minute << 5) | (t.second >> 1));
    return (dosDate << 16) | dosTime;
}

std::optional<double> DayCountFromDosDateTime(uint32_t dos) {
    CivilTime t;
    const uint32_t dosDate = dos >> 16;
    const uint32_t dosTime = dos & 0xFFFF;
    t.year = static_cast<int>(dosDate >> 9) + kFirstDosYear;
    t.month = static_cast<int>((dosDate >> 5) & 15);
    t.day = static_cast<int>(dosDate & 31);
    t.hour = static_cast<int>(dosTime >> 11);
    t.minute = static_cast<int>((dosTime >> 5) & 63);
    t.second = static_cast<int>(dosTime & 31) * 2;
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > DaysInMonth(t.year, t.month) ||
        t.hour > 23 || t.minute > 59 || t.second > 59) {
        return std::nullopt;
    }
    return DayCountFromCivil(t);
}

double TruncateToDosPrecision(double date) {
    const uint32_t dos = DosDateTimeFromDayCount(date);
    if (dos == 0) {
        return date;
    }
    return DayCountFromDosDateTime(dos).value_or(date);
}

}  // namespace setup
