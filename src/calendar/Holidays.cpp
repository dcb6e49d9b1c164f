#include "calendar/Holidays.h"

#include "calendar/CalendarDays.h"

namespace fenu::calendar {
namespace {

constexpr Place kPlaces[16] = {
    {48.6f, -9.0f},  {48.8f, -11.5f}, {52.5f, -13.4f}, {52.5f, -13.4f}, {53.1f, -8.8f},  {53.5f, -10.0f},
    {50.5f, -8.7f},  {53.7f, -12.2f}, {53.1f, -8.8f},  {51.6f, -7.5f},  {50.2f, -7.3f},  {49.2f, -7.0f},
    {51.0f, -14.0f}, {52.0f, -11.7f}, {54.3f, -10.2f}, {51.0f, -11.0f},
};

// A set of states as bits; a value that is no state belongs to none.
using States = unsigned;
constexpr States Of(TGermanState s) { return 1u << s; }

bool In(States states, int state) { return IsState(state) && (states & (1u << state)) != 0; }

// The Sunday on or before a day number.
// Where a holiday of some states is one by law, by year. A day that is a holiday in every state
// of a year counts for the value without a state too.
bool AllSaintsDay(int state) {
  return In(Of(gsBaden_Wuerttemberg) | Of(gsBayern) | Of(gsNordrhein_Westfalen) | Of(gsRheinland_Pfalz) |
                Of(gsSaarland),
            state);
}

bool ReformationDay(int state, int year) {
  if (year == 2017) return true;  // the 500th anniversary, in every state
  States states = Of(gsBrandenburg) | Of(gsMecklenburg_Vorpommern) | Of(gsSachsen) | Of(gsSachsen_Anhalt) |
                  Of(gsThueringen);
  if (year >= 2018) states |= Of(gsBremen) | Of(gsHamburg) | Of(gsNiedersachsen) | Of(gsSchleswig_Holstein);
  return In(states, state);
}

bool WomensDay(int state, int year) {
  return (state == gsBerlin && year >= 2019) || (state == gsMecklenburg_Vorpommern && year >= 2023);
}

bool ChildrensDay(int state, int year) { return state == gsThueringen && year >= 2019; }

bool LiberationDay(int state, int year) { return state == gsBerlin && (year == 2020 || year == 2025); }

}  // namespace

bool IsState(int state) { return state >= gsBaden_Wuerttemberg && state <= gsThueringen; }

Place StateCoordinates(int state) { return IsState(state) ? kPlaces[state] : Place{-1.0f, -1.0f}; }

const std::array<const char*, 16> kStateNames = {
    "Baden_Wuerttemberg", "Bayern",          "Berlin",          "Brandenburg",       "Bremen",  "Hamburg",
    "Hessen",             "Mecklenburg_Vorpommern", "Niedersachsen", "Nordrhein_Westfalen", "Rheinland_Pfalz",
    "Saarland",           "Sachsen",         "Sachsen_Anhalt",  "Schleswig_Holstein", "Thueringen"};

const std::array<const char*, 23> kHolidayNames = {
    "",
    "Neujahr",
    "Maifeiertag",
    "Tag der deutschen Einheit",
    "Allerheiligen",
    "Totensonntag",
    "Volkstrauertag",
    "1. Weihnachtstag",
    "2. Weihnachtstag",
    "Karfreitag",
    "Ostersonntag",
    "Ostermontag",
    "Christi Himmelfahrt",
    "Pfingstsonntag",
    "Pfingstmontag",
    "Fronleichnam",
    "Heilige 3 Könige",
    "Mariä Himmelfahrt",
    "Reformationstag",
    "Buß- und Bettag",
    "Internationaler Frauentag",
    "Weltkindertag",
    "Tag der Befreiung",
};

const std::array<const char*, 25> kSpecialDayNames = {
    "",
    "Mariä Lichtmeß",
    "Valentinstag",
    "Weiberfastnacht",
    "Rosenmontag",
    "Fastnacht",
    "Aschermittwoch",
    "Mariä Verkündigung",
    "Palmsonntag",
    "Gründonnerstag",
    "Muttertag",
    "Peter und Paul",
    "Mariä Geburt",
    "Erntedankfest",
    "Mariä Empfängnis",
    "Silvester",
    "1. Advent",
    "2. Advent",
    "3. Advent",
    "4. Advent",
    "Heiligabend",
    "Frühlingsanfang",
    "Sommmeranfang",  // three m, as the calendar has always shown it
    "Herbstanfang",
    "Winteranfang",
};

std::string DayCodeName(int code) {
  if (code > 0 && code < static_cast<int>(kHolidayNames.size())) return kHolidayNames[static_cast<std::size_t>(code)];
  if (code < 0 && -code < static_cast<int>(kSpecialDayNames.size()))
    return kSpecialDayNames[static_cast<std::size_t>(-code)];
  return "";
}

int ClassifyDay(int state, DateTime x, const SeasonDates& seasons) {
  CivilDate date;
  if (!TryDecodeDate(x, date) || date.year < 1900) return 0;
  const int year = date.year;
  const int day = WholeDay(x);
  const int easter = WholeDay(EasterSunday(year));
  const int christmas = DayNumber(year, 12, 25);
  const int weekdayOfChristmas = DayOfWeek(christmas);
  const int fourthAdvent = christmas - (weekdayOfChristmas == 1 ? 7 : weekdayOfChristmas - 1);

  // Every rule whose date is the day sets the code; later rules win.
  int code = 0;
  const auto rule = [&](int ruleCode, int ruleDay, bool applies = true) {
    if (applies && ruleDay == day) code = ruleCode;
  };

  // Notable days.
  rule(-1, DayNumber(year, 2, 2));
  rule(-2, DayNumber(year, 2, 14));
  rule(-3, easter - 52);
  rule(-4, easter - 48);
  rule(-5, easter - 47);
  rule(-6, easter - 46);
  rule(-7, DayNumber(year, 3, 25));
  rule(-8, easter - 7);
  rule(-9, easter - 3);
  int mothersDay = SundayOnOrBefore(DayNumber(year, 4, 30)) + 14;
  if (mothersDay == easter + 49) mothersDay -= 7;
  rule(-10, mothersDay);
  rule(-11, DayNumber(year, 6, 29));
  rule(-12, DayNumber(year, 9, 8));
  rule(-13, SundayOnOrBefore(DayNumber(year, 9, 29) + 6));
  rule(-14, DayNumber(year, 12, 8));
  rule(-15, DayNumber(year, 12, 31));
  const int lastSundayBeforeChristmasEve = SundayOnOrBefore(DayNumber(year, 12, 24));
  rule(-16, lastSundayBeforeChristmasEve - 21);
  rule(-17, lastSundayBeforeChristmasEve - 14);
  rule(-18, lastSundayBeforeChristmasEve - 7);
  rule(-19, lastSundayBeforeChristmasEve);
  rule(-20, DayNumber(year, 12, 24));
  rule(-21, WholeDay(seasons.spring));
  rule(-22, WholeDay(seasons.summer));
  rule(-23, WholeDay(seasons.autumn));
  rule(-24, WholeDay(seasons.winter));

  // Public holidays.
  rule(1, DayNumber(year, 1, 1));
  rule(2, DayNumber(year, 5, 1));
  rule(3, DayNumber(year, 10, 3));
  rule(4, DayNumber(year, 11, 1), AllSaintsDay(state));
  rule(5, fourthAdvent - 28);
  rule(6, fourthAdvent - 35);
  rule(7, christmas);
  rule(8, DayNumber(year, 12, 26));
  rule(9, easter - 2);
  rule(10, easter);
  rule(11, easter + 1);
  rule(12, easter + 39);
  rule(13, easter + 49);
  rule(14, easter + 50);
  rule(15, easter + 60,
       In(Of(gsBaden_Wuerttemberg) | Of(gsBayern) | Of(gsHessen) | Of(gsNordrhein_Westfalen) |
              Of(gsRheinland_Pfalz) | Of(gsSaarland) | Of(gsSachsen) | Of(gsThueringen),
          state));
  rule(16, DayNumber(year, 1, 6), In(Of(gsBaden_Wuerttemberg) | Of(gsBayern) | Of(gsSachsen_Anhalt), state));
  rule(17, DayNumber(year, 8, 15), In(Of(gsBayern) | Of(gsSaarland), state));
  rule(18, DayNumber(year, 10, 31), ReformationDay(state, year));
  rule(19, fourthAdvent - 32, state == gsSachsen);
  rule(20, DayNumber(year, 3, 8), WomensDay(state, year));
  rule(21, DayNumber(year, 9, 20), ChildrensDay(state, year));
  rule(22, DayNumber(year, 5, 8), LiberationDay(state, year));
  return code;
}

}  // namespace fenu::calendar
