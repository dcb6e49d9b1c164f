#include "calendar/Holidays.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/fake/FakeTimeZone.h"

namespace fenu::calendar {
namespace {

DateTime Day(int year, int month, int day) { return DayNumber(year, month, day); }

// The code of a day at noon, with the season dates of its year in central Europe.
int Code(int state, int year, int month, int day) {
  FakeTimeZone zone(-60);
  return ClassifyDay(state, Day(year, month, day) + 0.5, SeasonDatesOf(year, zone));
}

struct Case {
  int state, year, month, day, code;
};

void ExpectCodes(const Case* begin, const Case* end) {
  for (const Case* c = begin; c != end; ++c)
    EXPECT_EQ(Code(c->state, c->year, c->month, c->day), c->code)
        << "state " << c->state << " " << c->year << "-" << c->month << "-" << c->day;
}

TEST(ClassifyDay, TheYear2025InNordrheinWestfalen) {
  const Case cases[] = {
      {gsNordrhein_Westfalen, 2025, 1, 1, 1},     {gsNordrhein_Westfalen, 2025, 2, 2, -1},
      {gsNordrhein_Westfalen, 2025, 2, 14, -2},   {gsNordrhein_Westfalen, 2025, 2, 27, -3},
      {gsNordrhein_Westfalen, 2025, 3, 3, -4},    {gsNordrhein_Westfalen, 2025, 3, 4, -5},
      {gsNordrhein_Westfalen, 2025, 3, 5, -6},    {gsNordrhein_Westfalen, 2025, 3, 20, -21},
      {gsNordrhein_Westfalen, 2025, 3, 25, -7},   {gsNordrhein_Westfalen, 2025, 4, 13, -8},
      {gsNordrhein_Westfalen, 2025, 4, 17, -9},   {gsNordrhein_Westfalen, 2025, 4, 18, 9},
      {gsNordrhein_Westfalen, 2025, 4, 20, 10},   {gsNordrhein_Westfalen, 2025, 4, 21, 11},
      {gsNordrhein_Westfalen, 2025, 5, 1, 2},     {gsNordrhein_Westfalen, 2025, 5, 11, -10},
      {gsNordrhein_Westfalen, 2025, 5, 29, 12},   {gsNordrhein_Westfalen, 2025, 6, 8, 13},
      {gsNordrhein_Westfalen, 2025, 6, 9, 14},    {gsNordrhein_Westfalen, 2025, 6, 19, 15},
      {gsNordrhein_Westfalen, 2025, 6, 21, -22},  {gsNordrhein_Westfalen, 2025, 6, 29, -11},
      {gsNordrhein_Westfalen, 2025, 9, 8, -12},   {gsNordrhein_Westfalen, 2025, 9, 22, -23},
      {gsNordrhein_Westfalen, 2025, 10, 3, 3},    {gsNordrhein_Westfalen, 2025, 10, 5, -13},
      {gsNordrhein_Westfalen, 2025, 10, 31, 0},   {gsNordrhein_Westfalen, 2025, 11, 1, 4},
      {gsNordrhein_Westfalen, 2025, 11, 16, 6},   {gsNordrhein_Westfalen, 2025, 11, 19, 0},
      {gsNordrhein_Westfalen, 2025, 11, 23, 5},   {gsNordrhein_Westfalen, 2025, 11, 30, -16},
      {gsNordrhein_Westfalen, 2025, 12, 7, -17},  {gsNordrhein_Westfalen, 2025, 12, 8, -14},
      {gsNordrhein_Westfalen, 2025, 12, 14, -18}, {gsNordrhein_Westfalen, 2025, 12, 24, -20},
      {gsNordrhein_Westfalen, 2025, 12, 25, 7},   {gsNordrhein_Westfalen, 2025, 12, 26, 8},
      {gsNordrhein_Westfalen, 2025, 12, 31, -15}, {gsNordrhein_Westfalen, 2025, 7, 15, 0},
      // The fourth Sunday of Advent is the winter solstice this year: the season start wins.
      {gsNordrhein_Westfalen, 2025, 12, 21, -24},
  };
  ExpectCodes(std::begin(cases), std::end(cases));
}

TEST(ClassifyDay, HolidaysOfSomeStatesOnly) {
  const Case cases[] = {
      {gsSachsen, 2025, 11, 19, 19},          {gsBayern, 2025, 11, 19, 0},
      {gsThueringen, 2025, 11, 19, 0},        {gsSachsen, 1995, 11, 22, 19},
      {gsSachsen, 2025, 6, 19, 15},           {gsThueringen, 2025, 6, 19, 15},
      {gsBrandenburg, 2025, 6, 19, 0},        {gsBaden_Wuerttemberg, 2025, 1, 6, 16},
      {gsSachsen_Anhalt, 2025, 1, 6, 16},     {gsNordrhein_Westfalen, 2025, 1, 6, 0},
      {gsBayern, 2025, 8, 15, 17},            {gsSaarland, 2025, 8, 15, 17},
      {gsHessen, 2025, 8, 15, 0},
  };
  ExpectCodes(std::begin(cases), std::end(cases));
}

TEST(ClassifyDay, AllSaintsDayOnlyWhereTheLawHasIt) {
  for (int state = gsBaden_Wuerttemberg; state <= gsNone; ++state) {
    const bool holiday = state == gsBaden_Wuerttemberg || state == gsBayern || state == gsNordrhein_Westfalen ||
                         state == gsRheinland_Pfalz || state == gsSaarland;
    EXPECT_EQ(Code(state, 2025, 11, 1), holiday ? 4 : 0) << state;
  }
}

TEST(ClassifyDay, ReformationDayByYear) {
  const Case cases[] = {
      {gsBrandenburg, 2016, 10, 31, 18}, {gsNiedersachsen, 2016, 10, 31, 0},  {gsBayern, 2016, 10, 31, 0},
      {gsNiedersachsen, 2018, 10, 31, 18}, {gsBremen, 2018, 10, 31, 18},     {gsHamburg, 2025, 10, 31, 18},
      {gsSchleswig_Holstein, 2025, 10, 31, 18}, {gsSachsen, 2025, 10, 31, 18}, {gsBayern, 2018, 10, 31, 0},
      {gsNone, 2018, 10, 31, 0},
  };
  ExpectCodes(std::begin(cases), std::end(cases));
  // The 500th anniversary was a holiday everywhere, so also where no state is chosen.
  for (int state = gsBaden_Wuerttemberg; state <= gsNone; ++state) EXPECT_EQ(Code(state, 2017, 10, 31), 18) << state;
}

TEST(ClassifyDay, TheThreeNewerHolidaysFromTheirYears) {
  const Case cases[] = {
      {gsBerlin, 2018, 3, 8, 0},     {gsBerlin, 2019, 3, 8, 20},       {gsMecklenburg_Vorpommern, 2022, 3, 8, 0},
      {gsMecklenburg_Vorpommern, 2023, 3, 8, 20}, {gsBrandenburg, 2025, 3, 8, 0}, {gsNone, 2025, 3, 8, 0},
      {gsThueringen, 2018, 9, 20, 0}, {gsThueringen, 2019, 9, 20, 21}, {gsSachsen, 2025, 9, 20, 0},
      {gsBerlin, 2020, 5, 8, 22},    {gsBerlin, 2025, 5, 8, 22},       {gsBerlin, 2021, 5, 8, 0},
      {gsBrandenburg, 2025, 5, 8, 0},
  };
  ExpectCodes(std::begin(cases), std::end(cases));
  EXPECT_EQ(DayCodeName(20), "Internationaler Frauentag");
  EXPECT_EQ(DayCodeName(21), "Weltkindertag");
  EXPECT_EQ(DayCodeName(22), "Tag der Befreiung");
}

TEST(ClassifyDay, TheOrderOfTheRulesDecidesBetweenTwoOnOneDay) {
  const Case cases[] = {
      // 2008: Pentecost falls on the second Sunday of May, Mother's Day moves a week back.
      {gsBayern, 2008, 5, 4, -10}, {gsBayern, 2008, 5, 11, 13},
      // 2017: Christmas Eve is the fourth Sunday of Advent and keeps its own name.
      {gsBayern, 2017, 12, 3, -16}, {gsBayern, 2017, 12, 10, -17}, {gsBayern, 2017, 12, 17, -18},
      {gsBayern, 2017, 12, 24, -20}, {gsBayern, 2017, 11, 26, 5}, {gsBayern, 2017, 11, 19, 6},
  };
  ExpectCodes(std::begin(cases), std::end(cases));

  // A season start beats the other notable days, a holiday beats a season start.
  SeasonDates seasons;
  seasons.spring = Day(2025, 2, 14);
  seasons.summer = Day(2025, 3, 3);
  seasons.autumn = Day(2025, 9, 22);
  seasons.winter = Day(2025, 12, 25);
  EXPECT_EQ(ClassifyDay(gsBayern, Day(2025, 2, 14), seasons), -21);
  EXPECT_EQ(ClassifyDay(gsBayern, Day(2025, 3, 3), seasons), -22);
  EXPECT_EQ(ClassifyDay(gsBayern, Day(2025, 12, 25), seasons), 7);
  // Season dates of another year match nothing.
  seasons.autumn = Day(2024, 9, 22);
  EXPECT_EQ(ClassifyDay(gsBayern, Day(2025, 9, 22), seasons), 0);
}

TEST(ClassifyDay, WithoutAStateOnlyTheDaysOfEveryState) {
  for (const int state : {static_cast<int>(gsNone), -1, 17, 99}) {
    EXPECT_EQ(Code(state, 2025, 1, 1), 1) << state;
    EXPECT_EQ(Code(state, 2025, 1, 6), 0) << state;
    EXPECT_EQ(Code(state, 2025, 2, 2), -1) << state;
    EXPECT_EQ(Code(state, 2025, 6, 19), 0) << state;
    EXPECT_EQ(Code(state, 2025, 11, 1), 0) << state;
    EXPECT_EQ(Code(state, 2025, 11, 19), 0) << state;
    EXPECT_EQ(Code(state, 2025, 11, 23), 5) << state;
  }
}

TEST(ClassifyDay, NothingBefore1900) {
  for (int state = gsBaden_Wuerttemberg; state <= gsNone; ++state) {
    EXPECT_EQ(Code(state, 1899, 1, 1), 0);
    EXPECT_EQ(Code(state, 1899, 12, 25), 0);
    EXPECT_EQ(Code(state, 1899, 12, 31), 0);
  }
  EXPECT_EQ(Code(gsBayern, 1900, 1, 1), 1);
  EXPECT_EQ(ClassifyDay(gsBayern, 1e300, SeasonDates{}), 0);
}

TEST(StateCoordinates, SixteenPlacesAndNoneForTheRest) {
  EXPECT_FLOAT_EQ(StateCoordinates(gsNordrhein_Westfalen).latitude, 51.6f);
  EXPECT_FLOAT_EQ(StateCoordinates(gsNordrhein_Westfalen).longitude, -7.5f);
  EXPECT_FLOAT_EQ(StateCoordinates(gsSachsen).longitude, -14.0f);
  EXPECT_FLOAT_EQ(StateCoordinates(gsThueringen).latitude, 51.0f);
  for (const int state : {static_cast<int>(gsNone), -1, 17}) {
    EXPECT_FLOAT_EQ(StateCoordinates(state).latitude, -1.0f);
    EXPECT_FLOAT_EQ(StateCoordinates(state).longitude, -1.0f);
  }
  EXPECT_EQ(std::string(kStateNames[gsBayern]), "Bayern");
  EXPECT_EQ(std::string(kStateNames[gsThueringen]), "Thueringen");
}

TEST(DayCodeName, HolidaysNotableDaysAndNothing) {
  EXPECT_EQ(DayCodeName(0), "");
  EXPECT_EQ(DayCodeName(19), "Buß- und Bettag");
  EXPECT_EQ(DayCodeName(-22), "Sommmeranfang");
  EXPECT_EQ(DayCodeName(-24), "Winteranfang");
  EXPECT_EQ(DayCodeName(23), "");
  EXPECT_EQ(DayCodeName(-25), "");
}

}  // namespace
}  // namespace fenu::calendar
