#pragma once
// Date arithmetic of the calendar: day and week of the year, Easter, summer time, the sign of the
// zodiac.
#include <array>

#include "calendar/DateTime.h"

namespace fenu::calendar {

// 1 for 1 January; 0 for a value outside the calendar's range.
int DayOfYear(DateTime x);
// The ISO 8601 week: 1 January 2021 (a Friday) lies in week 53, 31 December 2024 in week 1.
int WeekOfYear(DateTime x);
// The day number of the Sunday on or before a day number.
int SundayOnOrBefore(int dayNumber);
// Easter Sunday of the Gregorian calendar; 0 for a year outside 1-9999.
DateTime EasterSunday(int year);
// German summer time, from 1980: from the last Sunday of March (inclusive) to the last Sunday of
// September (to 1995) or of October (from 1996), exclusive; the switch-over days count whole.
bool IsSummerTime(DateTime x);

// "Wassermann" ... "Steinbock"; index 11 is "Steinbock".
extern const std::array<const char*, 12> kZodiacNames;
// The sign by the day of the year, not minding leap years: days 21-49 are 0 ("Wassermann"),
// up to day 20 and from day 355 on 11 ("Steinbock").
int ZodiacOfDate(DateTime x);

}  // namespace fenu::calendar
