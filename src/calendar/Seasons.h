#pragma once
// The seasons: when they begin (equinoxes and solstices after Meeus) and which one a day lies in.
#include <array>

#include "calendar/DateTime.h"
#include "core/Errors.h"
#include "platform/TimeZone.h"

namespace fenu::calendar {

// The year lies outside -1000..3000, where the equinox formulas hold.
class E_OutOfAlgorithRange : public FenuError {
 public:
  E_OutOfAlgorithRange() : FenuError("Out of range of the algorithm") {}
};

enum class SeasonKind { DecemberSolstice = 0, MarchEquinox = 1, JuneSolstice = 2, SeptemberEquinox = 3 };

// The local date and time at which a season begins in year. The instant is taken as universal
// time (no correction for dynamical time) and turned into local time with the offset that zone
// reports at the moment of the call, not the one of the event's date. Throws
// E_OutOfAlgorithRange for years outside -1000..3000.
DateTime SeasonStart(int year, SeasonKind kind, ITimeZone& zone);
// Whether SeasonStart answers for year: -1000..3000.
bool SeasonsReach(int year);

// The whole local dates on which the seasons of one year begin.
struct SeasonDates {
  DateTime spring = 0.0;  // March equinox
  DateTime summer = 0.0;  // June solstice
  DateTime autumn = 0.0;  // September equinox
  DateTime winter = 0.0;  // December solstice
};

// The four dates of year, asked in the order winter, spring, summer, autumn; throws as
// SeasonStart does, and then nothing is returned.
SeasonDates SeasonDatesOf(int year, ITimeZone& zone);

// "Winter", "Frühling", "Sommer", "Herbst" and an empty text.
extern const std::array<const char*, 5> kSeasonNames;
// 0 before spring and from winter on, 1 from spring, 2 from summer, 3 from autumn; 4 (the empty
// name) only when the four dates are out of order.
int SeasonOfDate(DateTime x, const SeasonDates& seasons);

}  // namespace fenu::calendar
