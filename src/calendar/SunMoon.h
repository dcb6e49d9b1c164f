#pragma once
// Sun and moon after Meeus, Astronomical Algorithms (first-edition constants): low-accuracy solar
// coordinates, the abridged lunar theory, nutation from the 31 largest terms, the moon's
// topocentric correction, and rising, transit and setting by interpolation. Angles are degrees;
// a date-time passed in is taken as universal time, with no correction for dynamical time.
#include <array>

#include "calendar/DateTime.h"
#include "core/Errors.h"

namespace fenu::calendar {

// The body does not cross its standard altitude on that day.
class E_NoRiseSet : public FenuError {
 public:
  E_NoRiseSet() : FenuError("No rises or sets calculable") {}
};

// One body at one instant: apparent geocentric ecliptic and equatorial coordinates; for the moon
// after TopocentricCorrection the right ascension and declination are topocentric and the
// equatorial horizontal parallax is set.
struct BodyPosition {
  double longitude = 0.0;       // λ
  double latitude = 0.0;        // β
  double distance = 0.0;        // km
  double rightAscension = 0.0;  // α, -90..270 as the two-argument arctangent gives it
  double declination = 0.0;     // δ
  double parallax = 0.0;        // π
};

// Julian centuries since 2000 January 1.5.
double CenturiesSince2000(DateTime x);

// Mean sidereal time at Greenwich.
double SiderealTime(DateTime x);

BodyPosition SunPosition(DateTime x);
BodyPosition MoonPosition(DateTime x);

// Replaces the moon's right ascension and declination by the values seen from a place (height in
// metres, latitude north, longitude with east negative) and stores the parallax.
void TopocentricCorrection(BodyPosition& moon, double height, double latitude, double longitude, DateTime x);

double SunDistanceAU(DateTime x);
double MoonDistanceKm(DateTime x);

inline constexpr double kKilometresPerAU = 149597869.0;

enum class Body { Sun, Moon };
enum class SkyEvent { Rise, Set, Transit };

// The instant (universal time) of the event on the day of x, at the place (longitude with east
// negative). One correction of the interpolated instant, no second one, so a result may fall
// just outside the day. Throws E_NoRiseSet when the body does not reach its standard altitude.
DateTime RiseTransitSet(Body body, SkyEvent event, double longitude, double latitude, DateTime x);

// All three events of one body, the same values as three calls of RiseTransitSet, which compute
// the same positions three times.
struct SkyEvents {
  DateTime rise = 0.0;
  DateTime transit = 0.0;
  DateTime set = 0.0;
};
SkyEvents RiseTransitSetAll(Body body, double longitude, double latitude, DateTime x);

// The illuminated fraction of the moon's disc, 0..1.
double MoonIllumination(DateTime x);

// "Neumond", "Zunehmender Mond", "Vollmond", "Abnehmender Mond".
extern const std::array<const char*, 4> kMoonPhaseNames;
// The phase of the day of x, from the least illuminated fraction of each of that day and its
// two neighbours (hourly samples).
int MoonPhase(DateTime x);

}  // namespace fenu::calendar
