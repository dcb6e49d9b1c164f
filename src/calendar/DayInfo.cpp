#include "calendar/DayInfo.h"

#include "calendar/CalendarDays.h"
#include "calendar/Holidays.h"
#include "calendar/SunMoon.h"

namespace fenu::calendar {

void Recalculate(DayInfo& info, const DaySelection& selection) {
  const DateTime date = selection.date;
  const CivilDate civil = DecodeDate(date);
  info.dayOfYear = DayOfYear(date);
  info.weekOfYear = WeekOfYear(date);
  info.daysInMonth = DaysInMonth(civil.year, civil.month);
  info.season = SeasonOfDate(date, selection.seasons);
  if (selection.calcHolidays) {
    info.holidayCode = ClassifyDay(selection.state, date, selection.seasons);
    info.holidayName = DayCodeName(info.holidayCode);
  } else {
    info.holidayCode = 0;
    info.holidayName.clear();
  }
  info.zodiac = ZodiacOfDate(date);
  if (!selection.calcAstroData) return;

  // German civil time: UTC+1, one hour more in summer time; the computer's zone plays no part.
  const double civilOffset = (IsSummerTime(date) ? 2.0 : 1.0) / 24.0;
  const double latitude = selection.latitude;
  const double longitude = selection.longitude;
  info.moonDistanceKm = MoonDistanceKm(date);
  info.moonPhase = MoonPhase(date);
  const SkyEvents moon = RiseTransitSetAll(Body::Moon, longitude, latitude, date);
  info.moonRise = civilOffset + moon.rise;
  info.moonSet = civilOffset + moon.set;
  info.moonTransit = civilOffset + moon.transit;
  info.sunDistanceKm = SunDistanceAU(date) * kKilometresPerAU;
  const SkyEvents sun = RiseTransitSetAll(Body::Sun, longitude, latitude, date);
  info.sunRise = civilOffset + sun.rise;
  info.sunSet = civilOffset + sun.set;
  info.sunTransit = civilOffset + sun.transit;
}

}  // namespace fenu::calendar
