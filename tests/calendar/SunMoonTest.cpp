#include "calendar/SunMoon.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "calendar/Angles.h"
#include "calendar/CalendarDays.h"

namespace fenu::calendar {
namespace {

DateTime Day(int year, int month, int day) { return DayNumber(year, month, day); }

// The default place of the calendar, as its single-precision properties hold it.
constexpr float kLatitude = 51.6f;
constexpr float kLongitude = -7.5f;

// German civil time of a universal instant, cut off at the minute.
std::string CivilMinute(DateTime universal, DateTime selected) {
  const ClockTime t = DecodeTime(universal + (IsSummerTime(selected) ? 2.0 : 1.0) / 24.0);
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", t.hour, t.minute);
  return text;
}

std::string Event(Body body, SkyEvent event, DateTime selected) {
  return CivilMinute(RiseTransitSet(body, event, kLongitude, kLatitude, selected), selected);
}

TEST(RiseTransitSet, TheSunAtTheSolsticesOf2025) {
  for (const double clock : {0.0, 0.5, 0.99}) {
    const DateTime june = Day(2025, 6, 21) + clock;
    EXPECT_EQ(Event(Body::Sun, SkyEvent::Rise, june), "05:12");
    EXPECT_EQ(Event(Body::Sun, SkyEvent::Transit, june), "13:31");
    EXPECT_EQ(Event(Body::Sun, SkyEvent::Set, june), "21:51");
    const DateTime december = Day(2025, 12, 21) + clock;
    EXPECT_EQ(Event(Body::Sun, SkyEvent::Rise, december), "08:33");
    EXPECT_EQ(Event(Body::Sun, SkyEvent::Transit, december), "12:28");
    EXPECT_EQ(Event(Body::Sun, SkyEvent::Set, december), "16:22");
  }
}

TEST(RiseTransitSet, TheMoonDependsOnTheClockTimeOfTheSelectedDay) {
  const DateTime noon = Day(2025, 6, 21) + 0.5;
  EXPECT_EQ(Event(Body::Moon, SkyEvent::Rise, noon), "02:10");
  EXPECT_EQ(Event(Body::Moon, SkyEvent::Transit, noon), "09:32");
  EXPECT_EQ(Event(Body::Moon, SkyEvent::Set, noon), "17:14");
  // The parallax at the selected instant shifts rising and setting by about a second.
  const DateTime midnight = Day(2025, 6, 21);
  EXPECT_NE(RiseTransitSet(Body::Moon, SkyEvent::Rise, kLongitude, kLatitude, midnight),
            RiseTransitSet(Body::Moon, SkyEvent::Rise, kLongitude, kLatitude, noon));
  EXPECT_EQ(RiseTransitSet(Body::Moon, SkyEvent::Transit, kLongitude, kLatitude, midnight),
            RiseTransitSet(Body::Moon, SkyEvent::Transit, kLongitude, kLatitude, noon));
}

TEST(RiseTransitSet, AllThreeAtOnceAreTheSingleResults) {
  for (const Body body : {Body::Sun, Body::Moon}) {
    const DateTime x = Day(2024, 2, 29) + 0.3;
    const SkyEvents all = RiseTransitSetAll(body, -13.4, 52.5, x);
    EXPECT_EQ(all.rise, RiseTransitSet(body, SkyEvent::Rise, -13.4, 52.5, x));
    EXPECT_EQ(all.transit, RiseTransitSet(body, SkyEvent::Transit, -13.4, 52.5, x));
    EXPECT_EQ(all.set, RiseTransitSet(body, SkyEvent::Set, -13.4, 52.5, x));
  }
}

TEST(RiseTransitSet, NoRiseOrSetInThePolarDayOrNight) {
  for (const double latitude : {80.0, -80.0}) {
    try {
      RiseTransitSet(Body::Sun, SkyEvent::Rise, kLongitude, latitude, Day(2025, 6, 21));
      ADD_FAILURE() << latitude;
    } catch (const E_NoRiseSet& e) {
      EXPECT_EQ(std::string(e.what()), "No rises or sets calculable");
    }
  }
  // The transit needs the same test first.
  EXPECT_THROW(RiseTransitSet(Body::Sun, SkyEvent::Transit, kLongitude, 80.0, Day(2025, 12, 21)), E_NoRiseSet);
}

TEST(MoonPosition, TheExampleOf12April1992) {
  const BodyPosition moon = MoonPosition(Day(1992, 4, 12));
  EXPECT_NEAR(moon.distance, 368409.7, 0.05);
  EXPECT_NEAR(moon.latitude, -3.2291, 0.00005);
  EXPECT_NEAR(moon.longitude, 133.1673, 0.00005);
  EXPECT_NEAR(MoonDistanceKm(Day(1992, 4, 12)), 368409.7, 0.05);
  // Equatorial coordinates from the same longitude and latitude.
  EXPECT_NEAR(moon.rightAscension, 134.69, 0.01);
  EXPECT_NEAR(moon.declination, 13.77, 0.01);
}

TEST(SunPosition, DistanceAndTheDoubledNutation) {
  EXPECT_NEAR(SunDistanceAU(Day(1992, 10, 13)), 0.99766, 0.000005);
  // Meeus's apparent longitude for 13 October 1992 0h is 199.90895 degrees; this sun takes the
  // aberration (-0.00570 degrees at 0.99766 AU) and the nutation (+0.00442 degrees that day) a
  // second time.
  EXPECT_NEAR(SunPosition(Day(1992, 10, 13)).longitude, 199.90895 - 0.00570 + 0.00442, 0.0001);
}

TEST(SiderealTime, MeanSiderealTimeAtGreenwich) {
  // 10 April 1987 0h UT: 13h10m46.3668s.
  EXPECT_NEAR(SiderealTime(Day(1987, 4, 10)), 197.693195, 1e-5);
}

TEST(TopocentricCorrection, StoresTheParallaxAndMovesTheMoonTowardsTheHorizon) {
  const DateTime x = Day(2025, 6, 21) + 0.5;
  BodyPosition moon = MoonPosition(x);
  const BodyPosition geocentric = moon;
  TopocentricCorrection(moon, 0.0, kLatitude, kLongitude, x);
  // sin π = 6378.14 km / distance.
  EXPECT_NEAR(SinD(moon.parallax), 6378.14 / geocentric.distance, 1e-6);
  // Seen from the northern hemisphere the moon stands further south.
  EXPECT_LT(moon.declination, geocentric.declination);
  EXPECT_NEAR(moon.declination, geocentric.declination, 1.0);
  EXPECT_NEAR(moon.rightAscension, geocentric.rightAscension, 1.0);
}

TEST(MoonIllumination, NewFullAndTheExampleOf1992) {
  EXPECT_NEAR(MoonIllumination(Day(1992, 4, 12)), 0.6786, 0.001);
  EXPECT_GT(MoonIllumination(Day(2025, 6, 11) + 7.7 / 24), 0.99);  // full moon 07:44 UT
  EXPECT_LT(MoonIllumination(Day(2025, 6, 25) + 10.5 / 24), 0.01);  // new moon 10:31 UT
}

TEST(MoonPhase, AroundFullAndNewMoonInJune2025) {
  struct Case {
    int day, phase;
  };
  const Case cases[] = {{5, 1}, {10, 1}, {11, 2}, {12, 3}, {20, 3}, {24, 3}, {25, 0}, {26, 1}};
  for (const Case& c : cases) EXPECT_EQ(MoonPhase(Day(2025, 6, c.day) + 0.5), c.phase) << c.day;
  EXPECT_EQ(std::string(kMoonPhaseNames[2]), "Vollmond");
}

}  // namespace
}  // namespace fenu::calendar
