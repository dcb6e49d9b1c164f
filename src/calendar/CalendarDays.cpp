#include "calendar/CalendarDays.h"

namespace fenu::calendar {

const std::array<const char*, 12> kZodiacNames = {"Wassermann", "Fische",   "Widder",   "Stier",
                                                   "Zwilling",   "Krebs",    "Löwe",     "Jungfrau",
                                                   "Waage",      "Skorpion", "Schütze",  "Steinbock"};

int SundayOnOrBefore(int dayNumber) { return dayNumber - (DayOfWeek(dayNumber) - 1); }

int DayOfYear(DateTime x) {
  CivilDate date;
  if (!TryDecodeDate(x, date)) return 0;
  return WholeDay(x) - DayNumber(date.year, 1, 1) + 1;
}

int WeekOfYear(DateTime x) {
  const int daysSinceMonday = (DayOfWeek(x) - 2 + 7) % 7;
  const int thursday = WholeDay(x) - daysSinceMonday + 3;
  const int year = CivilFromDayNumber(thursday).year;
  return (thursday - DayNumber(year, 1, 1)) / 7 + 1;
}

// The Gregorian computus (Meeus's form of it). For 1900-2099 it agrees with Gauss's formula
// with the constants 24 and 5; outside those years those constants give wrong dates, Saturdays
// among them.
DateTime EasterSunday(int year) {
  if (year < 1 || year > 9999) return 0.0;
  const int a = year % 19;
  const int b = year / 100;
  const int c = year % 100;
  const int d = b / 4;
  const int e = b % 4;
  const int f = (b + 8) / 25;
  const int g = (b - f + 1) / 3;
  const int h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4;
  const int k = c % 4;
  const int l = (32 + 2 * e + 2 * i - h - k) % 7;
  const int m = (a + 11 * h + 22 * l) / 451;
  const int monthDay = h + l - 7 * m + 114;
  return DayNumber(year, monthDay / 31, monthDay % 31 + 1);
}

bool IsSummerTime(DateTime x) {
  const int year = DecodeDate(x).year;
  if (year < 1980) return false;
  const int begin = SundayOnOrBefore(DayNumber(year, 3, 31));
  const int end = year <= 1995 ? SundayOnOrBefore(DayNumber(year, 9, 30)) : SundayOnOrBefore(DayNumber(year, 10, 31));
  const int day = WholeDay(x);
  return begin <= day && day < end;
}

int ZodiacOfDate(DateTime x) {
  const int n = DayOfYear(x);
  static constexpr int kLastDay[] = {20, 49, 79, 111, 141, 172, 203, 235, 266, 296, 326, 354};
  static constexpr int kSign[] = {11, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  for (int i = 0; i < 12; ++i)
    if (n <= kLastDay[i]) return kSign[i];
  return 11;
}

}  // namespace fenu::calendar
