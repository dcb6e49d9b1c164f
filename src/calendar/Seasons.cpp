#include "calendar/Seasons.h"

#include "calendar/Angles.h"
#include "calendar/AstroTables.h"

namespace fenu::calendar {
namespace {

struct Polynomial {
  double c0, c1, c2, c3, c4;
  double At(double y) const { return c0 + y * (c1 + y * (c2 + y * (c3 + y * c4))); }
};

// Meeus's mean instants (JDE0), indexed by SeasonKind: for the years -1000..999 in thousands of
// years from year 0, and for 1000..3000 in thousands of years from 2000.
constexpr Polynomial kBeforeYear1000[4] = {
    {1721414.39987, 365242.88257, -0.00769, -0.00933, -0.00006},
    {1721139.29189, 365242.13740, 0.06134, 0.00111, -0.00071},
    {1721233.25401, 365241.72562, -0.05323, 0.00907, 0.00025},
    {1721325.70455, 365242.49558, -0.11677, -0.00297, 0.00074},
};
constexpr Polynomial kFromYear1000[4] = {
    {2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032},
    {2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057},
    {2451716.56767, 365241.62603, 0.00325, 0.00888, -0.00030},
    {2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078},
};

}  // namespace

const std::array<const char*, 5> kSeasonNames = {"Winter", "Frühling", "Sommer", "Herbst", ""};

bool SeasonsReach(int year) { return year >= -1000 && year <= 3000; }

DateTime SeasonStart(int year, SeasonKind kind, ITimeZone& zone) {
  const auto k = static_cast<int>(kind);
  double meanInstant;
  if (year >= -1000 && year <= 999) {
    meanInstant = kBeforeYear1000[k].At(year / 1000.0);
  } else if (year >= 1000 && year <= 3000) {
    meanInstant = kFromYear1000[k].At((year - 2000) / 1000.0);
  } else {
    throw E_OutOfAlgorithRange();
  }
  const double t = (meanInstant - 2451545.0) / 36525.0;
  const double w = 35999.373 * t - 2.47;
  const double deltaLambda = 1.0 + 0.0334 * CosD(w) + 0.0007 * CosD(2.0 * w);
  double s = 0.0;
  for (const SeasonTerm& term : kSeasonTerms) s += term.a * CosD(term.b + term.c * t);
  const double instant = meanInstant + 0.00001 * s / deltaLambda;
  return DateFromJulianDay(instant) - zone.CurrentBiasMinutes() / 1440.0;
}

SeasonDates SeasonDatesOf(int year, ITimeZone& zone) {
  SeasonDates dates;
  dates.winter = WholeDay(SeasonStart(year, SeasonKind::DecemberSolstice, zone));
  dates.spring = WholeDay(SeasonStart(year, SeasonKind::MarchEquinox, zone));
  dates.summer = WholeDay(SeasonStart(year, SeasonKind::JuneSolstice, zone));
  dates.autumn = WholeDay(SeasonStart(year, SeasonKind::SeptemberEquinox, zone));
  return dates;
}

int SeasonOfDate(DateTime x, const SeasonDates& seasons) {
  const double d = WholeDay(x);
  if (d < seasons.spring) return 0;
  if (d < seasons.summer) return 1;
  if (d < seasons.autumn) return 2;
  if (d < seasons.winter) return 3;
  if (d >= seasons.winter) return 0;
  return 4;
}

}  // namespace fenu::calendar
