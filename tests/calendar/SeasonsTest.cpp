#include "calendar/Seasons.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/fake/FakeTimeZone.h"

namespace fenu::calendar {
namespace {

DateTime Day(int year, int month, int day) { return DayNumber(year, month, day); }

TEST(SeasonStart, InstantsInUniversalTimeWithinAMinuteOrTwoOfThePublishedOnes) {
  FakeTimeZone utc(0);
  struct Case {
    int year;
    SeasonKind kind;
    int month, day, hour, minute;  // as published, UT
  };
  const Case cases[] = {
      {2024, SeasonKind::MarchEquinox, 3, 20, 3, 6},       {2025, SeasonKind::JuneSolstice, 6, 21, 2, 42},
      {2025, SeasonKind::SeptemberEquinox, 9, 22, 18, 19}, {2025, SeasonKind::DecemberSolstice, 12, 21, 15, 3},
      {1962, SeasonKind::JuneSolstice, 6, 21, 21, 25},
  };
  for (const Case& c : cases) {
    const double published = Day(c.year, c.month, c.day) + (c.hour * 60 + c.minute) / 1440.0;
    EXPECT_NEAR(SeasonStart(c.year, c.kind, utc), published, 3.0 / 1440.0) << c.year << " " << static_cast<int>(c.kind);
  }
}

TEST(SeasonStart, TurnsIntoLocalTimeWithTheOffsetOfTheMomentOfTheCall) {
  FakeTimeZone zone(0);
  const DateTime universal = SeasonStart(2024, SeasonKind::MarchEquinox, zone);
  zone.biasMinutes = -120;
  EXPECT_NEAR(SeasonStart(2024, SeasonKind::MarchEquinox, zone), universal + 2.0 / 24.0, 1e-9);
  EXPECT_EQ(zone.calls, 2);
  // The local date in central Europe is 20 March.
  zone.biasMinutes = -60;
  EXPECT_EQ(SeasonDatesOf(2024, zone).spring, Day(2024, 3, 20));
}

TEST(SeasonStart, OnlyTheYearsMinus1000To3000) {
  FakeTimeZone zone;
  for (const int year : {-1000, 999, 1000, 3000})
    EXPECT_NO_THROW(SeasonStart(year, SeasonKind::JuneSolstice, zone)) << year;
  for (const int year : {-1001, 3001, 100000}) {
    try {
      SeasonStart(year, SeasonKind::MarchEquinox, zone);
      ADD_FAILURE() << year;
    } catch (const E_OutOfAlgorithRange& e) {
      EXPECT_EQ(std::string(e.what()), "Out of range of the algorithm");
    }
  }
  EXPECT_THROW(SeasonDatesOf(3001, zone), FenuError);
}

TEST(SeasonDatesOf, WholeLocalDatesOfOneYear) {
  FakeTimeZone zone(-60);
  const SeasonDates dates = SeasonDatesOf(2025, zone);
  EXPECT_EQ(dates.spring, Day(2025, 3, 20));
  EXPECT_EQ(dates.summer, Day(2025, 6, 21));
  EXPECT_EQ(dates.autumn, Day(2025, 9, 22));
  EXPECT_EQ(dates.winter, Day(2025, 12, 21));
  // Six hours east of Greenwich the September equinox of 2025 (18:19 UT) falls on the 23rd.
  zone.biasMinutes = -360;
  EXPECT_EQ(SeasonDatesOf(2025, zone).autumn, Day(2025, 9, 23));
}

TEST(SeasonOfDate, FromEachStartOnItsDay) {
  SeasonDates dates;
  dates.spring = Day(2025, 3, 20);
  dates.summer = Day(2025, 6, 21);
  dates.autumn = Day(2025, 9, 22);
  dates.winter = Day(2025, 12, 21);
  struct Case {
    int month, day, season;
  };
  const Case cases[] = {{1, 1, 0}, {3, 19, 0}, {3, 20, 1}, {6, 20, 1}, {6, 21, 2},
                        {9, 21, 2}, {9, 22, 3}, {12, 20, 3}, {12, 21, 0}, {12, 31, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(SeasonOfDate(Day(2025, c.month, c.day) + 0.99, dates), c.season) << c.month << "-" << c.day;
  EXPECT_EQ(std::string(kSeasonNames[1]), "Frühling");
  dates.winter = std::nan("");
  EXPECT_EQ(SeasonOfDate(Day(2025, 12, 25), dates), 4);
  EXPECT_EQ(std::string(kSeasonNames[4]), "");
}

}  // namespace
}  // namespace fenu::calendar
