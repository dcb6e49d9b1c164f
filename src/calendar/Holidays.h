#pragma once
// The German states, their public holidays and the notable days of the year.
#include <array>
#include <string>

#include "calendar/DateTime.h"
#include "calendar/Seasons.h"

namespace fenu::calendar {

// The ordinal is what the settings file stores. Values outside 0-16 may arrive from outside and
// are treated as gsNone.
enum TGermanState : int {
  gsBaden_Wuerttemberg,
  gsBayern,
  gsBerlin,
  gsBrandenburg,
  gsBremen,
  gsHamburg,
  gsHessen,
  gsMecklenburg_Vorpommern,
  gsNiedersachsen,
  gsNordrhein_Westfalen,
  gsRheinland_Pfalz,
  gsSaarland,
  gsSachsen,
  gsSachsen_Anhalt,
  gsSchleswig_Holstein,
  gsThueringen,
  gsNone
};

// Whether a value names one of the sixteen states.
bool IsState(int state);

// A representative place per state: latitude north, longitude with east counted negative, as the
// sun and moon computations take them. A value that is no state (gsNone included) has the place
// -1, -1.
struct Place {
  float latitude;
  float longitude;
};
Place StateCoordinates(int state);

// "Baden_Wuerttemberg" ... "Thueringen", indexed by state, as the calendar's state list shows them.
extern const std::array<const char*, 16> kStateNames;

// A day's code: 0 ordinary; 1-22 public holiday (index into kHolidayNames); -1..-24 notable day
// (its absolute value indexes kSpecialDayNames).
extern const std::array<const char*, 23> kHolidayNames;     // [0] unused
extern const std::array<const char*, 25> kSpecialDayNames;  // [0] unused
// The name of a code; empty for 0 and for codes without a name.
std::string DayCodeName(int code);

// The code of the date of x in state, by the law of x's year. The notable days come first, then
// the public holidays, so a holiday wins over a notable day and the season starts (taken from
// seasons, which belong to x's year) over the other notable days. Years before 1900 give 0. A
// value that is no state keeps the days that are public holidays in every state that year.
int ClassifyDay(int state, DateTime x, const SeasonDates& seasons);

}  // namespace fenu::calendar
