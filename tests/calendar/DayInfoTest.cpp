#include "calendar/DayInfo.h"

#include <gtest/gtest.h>

#include "calendar/Holidays.h"
#include "calendar/SunMoon.h"
#include "platform/fake/FakeTimeZone.h"

namespace fenu::calendar {
namespace {

DaySelection Selected(int year, int month, int day, double clock, int state = gsNordrhein_Westfalen) {
  FakeTimeZone zone(-60);
  DaySelection selection;
  selection.date = DayNumber(year, month, day) + clock;
  selection.state = state;
  const Place place = StateCoordinates(state);
  selection.latitude = place.latitude;
  selection.longitude = place.longitude;
  selection.seasons = SeasonDatesOf(year, zone);
  return selection;
}

int Minutes(DateTime x) {
  const ClockTime t = DecodeTime(x);
  return t.hour * 60 + t.minute;
}

TEST(Recalculate, TheSummerSolsticeOf2025AtNoon) {
  DayInfo info;
  Recalculate(info, Selected(2025, 6, 21, 0.5));
  EXPECT_EQ(info.dayOfYear, 172);
  EXPECT_EQ(info.weekOfYear, 25);
  EXPECT_EQ(info.daysInMonth, 30);
  EXPECT_EQ(info.season, 2);
  EXPECT_EQ(info.zodiac, 4);
  EXPECT_EQ(info.holidayCode, -22);
  EXPECT_EQ(info.holidayName, "Sommmeranfang");
  // Civil time, summer time applied.
  EXPECT_EQ(Minutes(info.sunRise), 5 * 60 + 12);
  EXPECT_EQ(Minutes(info.sunTransit), 13 * 60 + 31);
  EXPECT_EQ(Minutes(info.sunSet), 21 * 60 + 51);
  EXPECT_EQ(Minutes(info.moonRise), 2 * 60 + 10);
  EXPECT_EQ(Minutes(info.moonTransit), 9 * 60 + 32);
  EXPECT_EQ(Minutes(info.moonSet), 17 * 60 + 14);
  EXPECT_EQ(info.moonPhase, 3);
  EXPECT_DOUBLE_EQ(info.moonDistanceKm, MoonDistanceKm(DayNumber(2025, 6, 21) + 0.5));
  EXPECT_DOUBLE_EQ(info.sunDistanceKm, SunDistanceAU(DayNumber(2025, 6, 21) + 0.5) * 149597869.0);
}

TEST(Recalculate, WinterTimeIsOneHourAheadOfUniversalTime) {
  DayInfo info;
  Recalculate(info, Selected(2025, 12, 21, 0.5));
  EXPECT_EQ(Minutes(info.sunRise), 8 * 60 + 33);
  EXPECT_EQ(Minutes(info.sunTransit), 12 * 60 + 28);
  EXPECT_EQ(Minutes(info.sunSet), 16 * 60 + 22);
  EXPECT_EQ(info.season, 0);
  EXPECT_EQ(info.weekOfYear, 51);
  EXPECT_EQ(info.holidayName, "Winteranfang");
}

TEST(Recalculate, TheStateDecidesTheHolidayAndThePlace) {
  DayInfo saxony;
  Recalculate(saxony, Selected(2025, 11, 19, 0.5, gsSachsen));
  EXPECT_EQ(saxony.holidayCode, 19);
  EXPECT_EQ(saxony.holidayName, "Buß- und Bettag");
  DayInfo bavaria;
  Recalculate(bavaria, Selected(2025, 11, 19, 0.5, gsBayern));
  EXPECT_EQ(bavaria.holidayCode, 0);
  EXPECT_EQ(bavaria.holidayName, "");
  // Dresden lies 2.5 degrees east of Munich: the sun culminates ten minutes earlier.
  EXPECT_NEAR((bavaria.sunTransit - saxony.sunTransit) * 1440.0, 10.0, 0.5);
  // Without a state the place is latitude -1, longitude -1, near the equator.
  DayInfo none;
  Recalculate(none, Selected(2025, 11, 19, 0.5, gsNone));
  EXPECT_NEAR((none.sunSet - none.sunRise) * 24.0, 12.0, 0.2);
}

TEST(Recalculate, SwitchedOffPartsLeaveTheirValues) {
  DayInfo info;
  DaySelection selection = Selected(2025, 4, 20, 0.5);
  Recalculate(info, selection);
  ASSERT_EQ(info.holidayCode, 10);
  const DayInfo easter = info;

  selection.date = DayNumber(2025, 1, 6) + 0.5;
  selection.calcHolidays = false;
  selection.calcAstroData = false;
  selection.state = gsBayern;
  Recalculate(info, selection);
  EXPECT_EQ(info.dayOfYear, 6);
  EXPECT_EQ(info.holidayCode, 0);
  EXPECT_EQ(info.holidayName, "");
  EXPECT_EQ(info.sunRise, easter.sunRise);
  EXPECT_EQ(info.moonDistanceKm, easter.moonDistanceKm);
}

TEST(Recalculate, NoRiseOrSetStopsAfterTheMoonsDistanceAndPhase) {
  DayInfo info;
  Recalculate(info, Selected(2025, 6, 21, 0.5));
  const DayInfo before = info;
  DaySelection polar = Selected(2025, 6, 22, 0.5);
  polar.latitude = 89.0f;
  polar.state = gsBayern;
  EXPECT_THROW(Recalculate(info, polar), E_NoRiseSet);
  EXPECT_EQ(info.dayOfYear, 173);
  EXPECT_EQ(info.holidayCode, 0);
  EXPECT_DOUBLE_EQ(info.moonDistanceKm, MoonDistanceKm(DayNumber(2025, 6, 22) + 0.5));
  EXPECT_EQ(info.moonRise, before.moonRise);
  EXPECT_EQ(info.sunRise, before.sunRise);
  EXPECT_EQ(info.sunDistanceKm, before.sunDistanceKm);
}

}  // namespace
}  // namespace fenu::calendar
