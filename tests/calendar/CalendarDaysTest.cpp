#include "calendar/CalendarDays.h"

#include <gtest/gtest.h>

#include <string>

namespace fenu::calendar {
namespace {

DateTime Day(int year, int month, int day) { return DayNumber(year, month, day); }

// Gauss's formula with the constants 24 and 5, which hold for 1900-2099 only.
DateTime GaussEaster(int year) {
  const int a = year % 19, b = year % 4, c = year % 7;
  const int d = (19 * a + 24) % 30;
  const int e = (2 * b + 4 * c + 6 * d + 5) % 7;
  int day = 22 + d + e;
  int month = 3;
  if (day > 31) {
    day = d + e - 9;
    month = 4;
  }
  if (month == 4 && day == 26) day = 19;
  if (month == 4 && day == 25 && d == 28 && e == 6 && a > 10) day = 18;
  return Day(year, month, day);
}

TEST(EasterSunday, KnownYearsIncluding2100AndLater) {
  struct Case {
    int year, month, day;
  };
  const Case cases[] = {{1954, 4, 18}, {1981, 4, 19}, {2008, 3, 23}, {2011, 4, 24}, {2024, 3, 31},
                        {2025, 4, 20}, {2100, 3, 28}, {2101, 4, 17}, {2200, 4, 6},  {2285, 3, 22},
                        {2038, 4, 25}, {1818, 3, 22}, {1583, 4, 10}, {3000, 4, 13}};
  for (const Case& c : cases) EXPECT_EQ(EasterSunday(c.year), Day(c.year, c.month, c.day)) << c.year;
  EXPECT_EQ(EasterSunday(0), 0.0);
  EXPECT_EQ(EasterSunday(10000), 0.0);
}

TEST(EasterSunday, AgreesWithGaussFor1900To2099AndIsASundayInItsSeasonEveryYear) {
  for (int year = 1900; year <= 2099; ++year) ASSERT_EQ(EasterSunday(year), GaussEaster(year)) << year;
  for (int year = 1; year <= 9999; ++year) {
    const DateTime easter = EasterSunday(year);
    ASSERT_EQ(DayOfWeek(easter), 1) << year;
    ASSERT_GE(easter, Day(year, 3, 22)) << year;
    ASSERT_LE(easter, Day(year, 4, 25)) << year;
  }
  // The constants of 1900-2099 put Easter 2100 on a Saturday.
  EXPECT_EQ(DayOfWeek(GaussEaster(2100)), 7);
}

TEST(DayOfYear, CountsFromOneAndIgnoresTheClockTime) {
  EXPECT_EQ(DayOfYear(Day(2025, 1, 1)), 1);
  EXPECT_EQ(DayOfYear(Day(2025, 12, 31) + 0.99), 365);
  EXPECT_EQ(DayOfYear(Day(2024, 12, 31)), 366);
  EXPECT_EQ(DayOfYear(Day(1850, 3, 1) + 0.5), 60);
  EXPECT_EQ(DayOfYear(1e300), 0);
}

TEST(DaysInMonth, LeapYearsOfTheGregorianCalendar) {
  EXPECT_EQ(DaysInMonth(2025, 2), 28);
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(2025, 4), 30);
  EXPECT_EQ(DaysInMonth(2025, 12), 31);
  EXPECT_EQ(DaysInMonth(2025, 13), 0);
}

TEST(WeekOfYear, Iso8601AtTheTurnOfTheYear) {
  struct Case {
    int year, month, day, week;
  };
  const Case cases[] = {{2014, 12, 29, 1}, {2016, 1, 3, 53}, {2016, 1, 4, 1},   {2021, 1, 1, 53},
                        {2024, 12, 31, 1}, {2020, 12, 31, 53}, {2025, 6, 21, 25}, {2026, 1, 1, 1},
                        {2027, 1, 3, 53},  {2010, 1, 3, 53}};
  for (const Case& c : cases)
    EXPECT_EQ(WeekOfYear(Day(c.year, c.month, c.day) + 0.75), c.week) << c.year << "-" << c.month << "-" << c.day;
}

TEST(IsSummerTime, TheGermanRuleWithItsChangeIn1996) {
  struct Case {
    int year, month, day;
    bool summer;
  };
  const Case cases[] = {
      {2025, 3, 29, false}, {2025, 3, 30, true},  {2025, 10, 25, true}, {2025, 10, 26, false},
      {1990, 9, 29, true},  {1990, 9, 30, false}, {1990, 10, 15, false}, {1995, 9, 24, false},
      {1996, 10, 26, true}, {1996, 10, 27, false}, {1979, 7, 1, false},  {1980, 4, 6, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsSummerTime(Day(c.year, c.month, c.day) + 0.5), c.summer) << c.year << "-" << c.month << "-" << c.day;
}

TEST(ZodiacOfDate, LimitsByDayOfTheYearWithoutLeapDays) {
  struct Case {
    int dayOfYear, sign;
  };
  const Case cases[] = {{1, 11},   {20, 11},  {21, 0},   {49, 0},   {50, 1},   {79, 1},   {80, 2},
                        {111, 2},  {112, 3},  {141, 3},  {142, 4},  {172, 4},  {173, 5},  {203, 5},
                        {204, 6},  {235, 6},  {236, 7},  {266, 7},  {267, 8},  {296, 8},  {297, 9},
                        {326, 9},  {327, 10}, {354, 10}, {355, 11}, {365, 11}};
  for (const Case& c : cases) EXPECT_EQ(ZodiacOfDate(Day(2025, 1, 1) + c.dayOfYear - 1), c.sign) << c.dayOfYear;
  EXPECT_EQ(std::string(kZodiacNames[ZodiacOfDate(Day(2025, 1, 20))]), "Steinbock");
  EXPECT_EQ(std::string(kZodiacNames[ZodiacOfDate(Day(2025, 1, 21))]), "Wassermann");
  EXPECT_EQ(std::string(kZodiacNames[ZodiacOfDate(Day(2025, 12, 20))]), "Schütze");
  // In a leap year the day numbers shift: 20 December 2024 is day 355.
  EXPECT_EQ(ZodiacOfDate(Day(2024, 12, 20)), 11);
}

}  // namespace
}  // namespace fenu::calendar
