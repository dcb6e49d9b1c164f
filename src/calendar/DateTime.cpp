#include "calendar/DateTime.h"

#include <cmath>

#include "core/CivilDays.h"

namespace fenu::calendar {
namespace {

// Days from 1 January 1970 to 30 December 1899 are -25569.
constexpr int kUnixDayZero = 25569;
constexpr double kJulianDayZero = 2415018.5;  // the Julian day of 30 December 1899 00:00
constexpr double kGregorianStartJulianDay = 2299160.5;  // 15 October 1582 00:00
constexpr double kMillisecondsPerDay = 86400000.0;

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return kDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

int DayNumber(int year, int month, int day) {
  return static_cast<int>(DaysFromCivil(year, month, day)) + kUnixDayZero;
}

CivilDate CivilFromDayNumber(int dayNumber) {
  const CivilDay civil = CivilFromDays(dayNumber - kUnixDayZero);
  return CivilDate{static_cast<int>(civil.year), civil.month, civil.day};
}

bool TryEncodeDate(int year, int month, int day, DateTime& result) {
  if (year < 1 || year > 9999 || day < 1 || day > DaysInMonth(year, month)) return false;
  result = DayNumber(year, month, day);
  return true;
}

bool InCalendarRange(DateTime x) { return x >= kFirstDayNumber && x < kLastDayNumber + 1.0; }

int WholeDay(DateTime x) {
  if (InCalendarRange(x)) return static_cast<int>(std::floor(x));
  return x > 0.0 ? kLastDayNumber : kFirstDayNumber;
}

double TimeOfDay(DateTime x) { return InCalendarRange(x) ? x - std::floor(x) : 0.0; }

CivilDate DecodeDate(DateTime x) { return CivilFromDayNumber(WholeDay(x)); }

bool TryDecodeDate(DateTime x, CivilDate& date) {
  if (!InCalendarRange(x)) return false;
  date = DecodeDate(x);
  return true;
}

int DayOfWeek(DateTime x) {
  // Day 1, 31 December 1899, was a Sunday.
  return ((WholeDay(x) - 1) % 7 + 7) % 7 + 1;
}

ClockTime DecodeTime(DateTime x) {
  auto ms = static_cast<long long>(std::llround(TimeOfDay(x) * kMillisecondsPerDay));
  if (ms >= static_cast<long long>(kMillisecondsPerDay)) ms = 0;  // rounds up into the next day
  ClockTime t;
  t.millisecond = static_cast<int>(ms % 1000);
  t.second = static_cast<int>(ms / 1000 % 60);
  t.minute = static_cast<int>(ms / 60000 % 60);
  t.hour = static_cast<int>(ms / 3600000);
  return t;
}

double JulianDay(DateTime x) {
  const double julianDay = x + kJulianDayZero;
  return julianDay >= kGregorianStartJulianDay ? julianDay : 0.0;
}

DateTime DateFromJulianDay(double julianDay) {
  return julianDay >= kGregorianStartJulianDay ? julianDay - kJulianDayZero : 0.0;
}

}  // namespace fenu::calendar
