// Day-count dates (days since 30 December 1899 plus the fraction of the day) and DOS date-times.
#pragma once

#include <cstdint>
#include <optional>

namespace setup {

// A calendar moment in local time, to the millisecond.
struct CivilTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Whole days since 30 December 1899 plus the elapsed fraction of the day.
double DayCountFromCivil(const CivilTime& t);

// The calendar moment of a day-count date, the time of day rounded to the millisecond.
CivilTime CivilFromDayCount(double date);

// DOS date-time (date in the high word, time in the low word, 2-second steps) of a day-count
// date; 0 when the year lies outside 1980..2099. An odd second is dropped.
uint32_t DosDateTimeFromDayCount(double date);

// Day-count date of a DOS date-time; nothing when a field is out of range.
std::optional<double> DayCountFromDosDateTime(uint32_t dos);

// The same moment truncated to the 2-second DOS precision (unchanged outside 1980..2099).
double TruncateToDosPrecision(double date);

}  // namespace setup
