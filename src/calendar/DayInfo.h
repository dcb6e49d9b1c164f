#pragma once
// What the calendar shows about its selected day, recomputed whenever that day changes.
#include <string>

#include "calendar/DateTime.h"
#include "calendar/Seasons.h"

namespace fenu::calendar {

struct DayInfo {
  int dayOfYear = 0;
  int weekOfYear = 0;
  int daysInMonth = 0;  // of the selected day's month
  int season = 0;       // index into kSeasonNames
  int zodiac = 0;       // index into kZodiacNames
  int holidayCode = 0;  // ClassifyDay's code
  std::string holidayName;
  // Civil time in Germany (UTC+1, +2 in summer time) as date-time values; only their clock part
  // is shown.
  DateTime moonRise = 0.0;
  DateTime moonTransit = 0.0;
  DateTime moonSet = 0.0;
  double moonDistanceKm = 0.0;
  int moonPhase = 0;  // index into kMoonPhaseNames
  DateTime sunRise = 0.0;
  DateTime sunTransit = 0.0;
  DateTime sunSet = 0.0;
  double sunDistanceKm = 0.0;
};

// The selected day and what decides its information.
struct DaySelection {
  DateTime date = 0.0;  // day and clock time; the moon's distance and phase depend on the time
  int state = 0;        // a TGermanState; other values count as none
  float latitude = 51.6f;
  float longitude = -7.5f;  // east negative
  SeasonDates seasons;      // of the date's year
  bool calcHolidays = true;
  bool calcAstroData = true;
};

// Updates info in place, in this order: the calendar values, the day's code and name (emptied,
// with code 0, without calcHolidays), the zodiac, then with calcAstroData the moon and the sun.
// When a computation throws (E_NoRiseSet), the values already updated stay and the rest keep
// their previous state.
void Recalculate(DayInfo& info, const DaySelection& selection);

}  // namespace fenu::calendar
