#include "calendar/DateTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calendar/Angles.h"

namespace fenu::calendar {
namespace {

TEST(DateTime, DayNumbersCountFromTheLastDaysOf1899BothWays) {
  EXPECT_EQ(DayNumber(1899, 12, 30), 0);
  EXPECT_EQ(DayNumber(1900, 1, 1), 2);
  EXPECT_EQ(DayNumber(2000, 1, 1), kDate2000);
  EXPECT_EQ(DayNumber(1, 1, 1), kFirstDayNumber);
  EXPECT_EQ(DayNumber(9999, 12, 31), kLastDayNumber);
  // Every day of the calendar's range decodes to the date it was built from.
  for (int day = kFirstDayNumber; day <= kLastDayNumber; day += 997) {
    const CivilDate date = CivilFromDayNumber(day);
    ASSERT_EQ(DayNumber(date.year, date.month, date.day), day);
    ASSERT_GE(date.day, 1);
    ASSERT_LE(date.day, DaysInMonth(date.year, date.month));
  }
  EXPECT_EQ(CivilFromDayNumber(DayNumber(2024, 2, 29)), (CivilDate{2024, 2, 29}));
  EXPECT_EQ(CivilFromDayNumber(DayNumber(1600, 2, 29)), (CivilDate{1600, 2, 29}));
}

TEST(DateTime, BeforeTheStartTheTimeOfDayStillCountsForward) {
  // -0.75 is 29 December 1899 06:00: the date is the floor, not the value cut off.
  EXPECT_EQ(DecodeDate(-0.75), (CivilDate{1899, 12, 29}));
  EXPECT_DOUBLE_EQ(TimeOfDay(-0.75), 0.25);
  EXPECT_EQ(DecodeDate(0.999), (CivilDate{1899, 12, 30}));
}

TEST(DateTime, WeekdaysStartWithSundayAsOne) {
  EXPECT_EQ(DayOfWeek(DayNumber(1899, 12, 31)), 1);
  EXPECT_EQ(DayOfWeek(DayNumber(1899, 12, 30)), 7);
  EXPECT_EQ(DayOfWeek(DayNumber(2025, 3, 1)), 7);
  EXPECT_EQ(DayOfWeek(DayNumber(2025, 6, 1) + 0.9), 1);
  EXPECT_EQ(DayOfWeek(DayNumber(1800, 1, 1)), 4);  // a Wednesday
}

TEST(DateTime, OnlyExistingDatesOfTheYears1To9999AreBuilt) {
  DateTime x = -1.0;
  EXPECT_TRUE(TryEncodeDate(2024, 2, 29, x));
  EXPECT_EQ(x, DayNumber(2024, 2, 29));
  EXPECT_FALSE(TryEncodeDate(2025, 2, 29, x));
  EXPECT_FALSE(TryEncodeDate(1900, 2, 29, x));
  EXPECT_FALSE(TryEncodeDate(2025, 13, 1, x));
  EXPECT_FALSE(TryEncodeDate(2025, 0, 1, x));
  EXPECT_FALSE(TryEncodeDate(2025, 6, 31, x));
  EXPECT_FALSE(TryEncodeDate(0, 1, 1, x));
  EXPECT_FALSE(TryEncodeDate(10000, 1, 1, x));
  CivilDate date;
  EXPECT_FALSE(TryDecodeDate(std::numeric_limits<double>::quiet_NaN(), date));
  EXPECT_FALSE(TryDecodeDate(1e300, date));
  EXPECT_FALSE(TryDecodeDate(kFirstDayNumber - 0.5, date));
  EXPECT_TRUE(TryDecodeDate(kLastDayNumber + 0.5, date));
}

TEST(DateTime, ClockTimesAreRoundedToTheMillisecondAndCutThere) {
  struct Case {
    double seconds;  // since midnight
    int hour, minute, second, millisecond;
  };
  const Case cases[] = {
      {12 * 3600 + 59 * 60 + 59.9994, 12, 59, 59, 999},
      {12 * 3600 + 59 * 60 + 59.9996, 13, 0, 0, 0},
      {5 * 3600 + 12 * 60 + 59.5, 5, 12, 59, 500},
      {86399.9999, 0, 0, 0, 0},  // rounds into the next day
  };
  for (const Case& c : cases) {
    const ClockTime t = DecodeTime(DayNumber(2025, 6, 21) + c.seconds / 86400.0);
    EXPECT_EQ(t.hour, c.hour) << c.seconds;
    EXPECT_EQ(t.minute, c.minute) << c.seconds;
    EXPECT_EQ(t.second, c.second) << c.seconds;
    EXPECT_EQ(t.millisecond, c.millisecond) << c.seconds;
  }
}

TEST(DateTime, JulianDaysStartWithTheGregorianCalendar) {
  EXPECT_DOUBLE_EQ(JulianDay(DayNumber(2000, 1, 1) + 0.5), 2451545.0);
  EXPECT_DOUBLE_EQ(JulianDay(DayNumber(1582, 10, 15)), 2299160.5);
  EXPECT_EQ(JulianDay(DayNumber(1582, 10, 14) + 0.999), 0.0);
  EXPECT_DOUBLE_EQ(DateFromJulianDay(2451545.0), DayNumber(2000, 1, 1) + 0.5);
  EXPECT_DOUBLE_EQ(DateFromJulianDay(2299160.5), DayNumber(1582, 10, 15));
  EXPECT_EQ(DateFromJulianDay(2299160.4), 0.0);
}

TEST(Angles, Reduce360RoundsHalfTurnsToEvenAndEndsInOneTurn) {
  struct Case {
    double in, out;
  };
  const Case cases[] = {{0, 0},     {360, 0},     {-360, 0},    {180, 180},   {540, 180}, {900, 180},
                        {-180, 180}, {-540, 180}, {359.5, 359.5}, {-0.5, 359.5}, {725, 5},  {-725, 355},
                        {1e6 + 0.25, std::fmod(1e6 + 0.25, 360.0)}};
  for (const Case& c : cases) EXPECT_NEAR(Reduce360(c.in), c.out, 1e-9) << c.in;
  // Arguments beyond any precision still end, inside one turn.
  const double huge = Reduce360(1e300);
  EXPECT_GE(huge, 0.0);
  EXPECT_LT(huge, 360.0);
  EXPECT_TRUE(std::isnan(Reduce360(std::numeric_limits<double>::quiet_NaN())));
}

TEST(Angles, TheTwoArgumentArcTangentTakesXFirstAndLiesBetweenMinus90And270) {
  EXPECT_NEAR(ArcTan2D(1, 1), 45, 1e-12);
  EXPECT_NEAR(ArcTan2D(-1, 1), 135, 1e-12);
  EXPECT_NEAR(ArcTan2D(-1, -1), 225, 1e-12);
  EXPECT_NEAR(ArcTan2D(1, -1), -45, 1e-12);
  EXPECT_NEAR(ArcTan2D(0, 1), 90, 1e-12);
  EXPECT_NEAR(ArcSinD(1.0), 90, 1e-12);
  EXPECT_NEAR(ArcSinD(-0.5), -30, 1e-12);
  EXPECT_NEAR(ArcCosD(-1.0), 180, 1e-12);
  EXPECT_NEAR(ArcCosD(0.5), 60, 1e-12);
  EXPECT_NEAR(SinD(390), 0.5, 1e-12);
  EXPECT_NEAR(CosD(-60), 0.5, 1e-12);
  EXPECT_NEAR(TanD(225), 1.0, 1e-12);
}

}  // namespace
}  // namespace fenu::calendar
