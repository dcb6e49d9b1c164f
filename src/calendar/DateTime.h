#pragma once
// The calendar's date-time value: days since 30 December 1899 00:00 as a double, the fraction
// being the time of day. The value counts days straight through, also before 1899 (-0.75 is
// 29 December 1899 06:00), so the date of a value is its floor and its time of day what is left;
// from 1900 on that is the same as cutting off the fraction. Dates are proleptic Gregorian.
namespace fenu::calendar {

using DateTime = double;

// 30 December 1899, the day the count starts from, and 1 January 2000.
inline constexpr int kDayZeroYear = 1899;
inline constexpr double kDate2000 = 36526.0;

struct CivilDate {
  int year = 0;
  int month = 0;  // 1-12
  int day = 0;    // 1-31

  bool operator==(const CivilDate&) const = default;
};

bool IsLeapYear(int year);
// 31, 28, 31, 30, ...; February has 29 in a leap year. 0 for a month outside 1-12.
int DaysInMonth(int year, int month);

// The day number (days since 30 December 1899) of a date; the caller makes sure it exists.
int DayNumber(int year, int month, int day);
// The date of a day number.
CivilDate CivilFromDayNumber(int dayNumber);
// False when the date does not exist or its year lies outside 1-9999, the years the calendar
// can show.
bool TryEncodeDate(int year, int month, int day, DateTime& result);

// The days the calendar can show: 1 January 1 to 31 December 9999.
inline constexpr int kFirstDayNumber = -693593;
inline constexpr int kLastDayNumber = 2958465;
bool InCalendarRange(DateTime x);

// The date of x as a day number (values beyond the calendar's range are held at its ends); the
// date and time of day of x.
int WholeDay(DateTime x);
double TimeOfDay(DateTime x);
CivilDate DecodeDate(DateTime x);
// False for values outside the calendar's range (NaN among them).
bool TryDecodeDate(DateTime x, CivilDate& date);

// 1 = Sunday, 2 = Monday ... 7 = Saturday.
int DayOfWeek(DateTime x);

// A time of day cut to whole milliseconds, as the clock shows it.
struct ClockTime {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};
ClockTime DecodeTime(DateTime x);

// Julian days. Values before 15 October 1582 (Julian day 2299160.5) give 0 in both directions.
double JulianDay(DateTime x);
DateTime DateFromJulianDay(double julianDay);

}  // namespace fenu::calendar
