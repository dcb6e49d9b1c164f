#include "calendar/SunMoon.h"

#include <algorithm>
#include <cmath>

#include "calendar/Angles.h"
#include "calendar/AstroTables.h"

namespace fenu::calendar {
namespace {

constexpr double kJ2000 = 2451545.0;

// Adds the nutation in longitude to the position's longitude and converts it to the equator
// with the true obliquity.
void ApplyNutation(BodyPosition& p, double t) {
  const double t2 = t * t;
  const double t3 = t2 * t;
  const double omega = Reduce360(125.04452 - 1934.136261 * t + 0.0020708 * t2 + t3 / 450000.0);
  const double d = Reduce360(297.85036 + 445267.111480 * t - 0.0019142 * t2 + t3 / 189474.0);
  const double m = Reduce360(357.52772 + 35999.050340 * t - 0.0001603 * t2 - t3 / 300000.0);
  const double mp = Reduce360(134.96298 + 477198.867398 * t + 0.0086972 * t2 + t3 / 56250.0);
  const double f = Reduce360(93.27191 + 483202.017538 * t - 0.0036825 * t2 + t3 / 327270.0);
  double psiSum = 0.0;
  double epsilonSum = 0.0;
  for (const NutationTerm& term : kNutationTerms) {
    const double argument = d * term.d + m * term.m + mp * term.mp + f * term.f + omega * term.omega;
    psiSum += SinD(argument) * (term.sine + 0.1 * term.sinePerCentury * t);
    epsilonSum += CosD(argument) * (term.cosine + 0.1 * term.cosinePerCentury * t);
  }
  p.longitude = Reduce360(p.longitude + psiSum * 0.0001 / 3600.0);
  const double epsilon = (84381.448 - 46.815 * t - 0.00059 * t2 + 0.001813 * t3 + epsilonSum * 0.0001) / 3600.0;
  const double lambda = p.longitude;
  const double beta = p.latitude;
  p.rightAscension = ArcTan2D(CosD(lambda), SinD(lambda) * CosD(epsilon) - TanD(beta) * SinD(epsilon));
  p.declination = ArcSinD(SinD(beta) * CosD(epsilon) + CosD(beta) * SinD(epsilon) * SinD(lambda));
}

// An angle at n (a fraction of a day) between its values at 0h of the day before, the day and
// the day after, across the turn at 360.
double Interpolate(double y1, double y2, double y3, double n) {
  const auto unwrap = [](double difference) {
    if (difference > 100.0) return difference - 360.0;
    if (difference < -100.0) return difference + 360.0;
    return difference;
  };
  const double a = unwrap(y2 - y1);
  const double b = unwrap(y3 - y2);
  return y2 + (n / 2.0) * (a + b + n * (b - a));
}

// The position used for rising and setting: the sun's apparent one, the moon's topocentric one.
BodyPosition PositionForHorizon(Body body, double longitude, double latitude, DateTime x) {
  if (body == Body::Sun) return SunPosition(x);
  BodyPosition moon = MoonPosition(x);
  TopocentricCorrection(moon, 0.0, latitude, longitude, x);
  return moon;
}

// The fractional part, lifted into 0..1 when negative.
double DayFraction(double m) {
  const double fraction = m - std::trunc(m);
  return fraction < 0.0 ? fraction + 1.0 : fraction;
}

// The least illuminated fraction of the moon among the full hours of one day.
double LeastIllumination(int day) {
  double least = MoonIllumination(day);
  for (int hour = 1; hour < 24; ++hour) least = std::min(least, MoonIllumination(day + hour / 24.0));
  return least;
}

}  // namespace

const std::array<const char*, 4> kMoonPhaseNames = {"Neumond", "Zunehmender Mond", "Vollmond", "Abnehmender Mond"};

double CenturiesSince2000(DateTime x) { return (JulianDay(x) - kJ2000) / 36525.0; }

double SiderealTime(DateTime x) {
  const double t = CenturiesSince2000(x);
  return Reduce360(280.46061837 + 360.98564736629 * (JulianDay(x) - kJ2000) + t * t * (0.000387933 - t / 38710000.0));
}

BodyPosition SunPosition(DateTime x) {
  const double t = CenturiesSince2000(x);
  const double t2 = t * t;
  const double t3 = t2 * t;
  const double m = 357.5291 + 35999.0503 * t - 0.0001559 * t2 - 0.00000048 * t3;
  const double c = (1.9146 - 0.004817 * t - 0.000014 * t2) * SinD(m) + (0.019993 - 0.000101 * t) * SinD(2.0 * m) +
                   0.00029 * SinD(3.0 * m);
  const double trueLongitude = Reduce360(280.46645 + 36000.76983 * t + 0.0003032 * t2 + c);
  const double trueAnomaly = m + c;
  const double e = 0.016708617 - 0.000042037 * t - 0.0000001236 * t2;
  const double distance = 1.000001018 * (1.0 - e * e) / (1.0 + e * CosD(trueAnomaly)) * kKilometresPerAU;
  const double omega = 125.04452 - 1934.136261 * t + 0.0020708 * t2 + t3 / 450000.0;
  BodyPosition sun;
  // Aberration and nutation are taken here and the nutation once more in ApplyNutation: the
  // calendar's sun has always been placed so.
  sun.longitude = Reduce360(trueLongitude - 0.00569 - 0.00478 * SinD(omega) -
                            0.0056916111 / (distance / kKilometresPerAU));
  sun.latitude = 0.0;
  sun.distance = distance;
  ApplyNutation(sun, t);
  return sun;
}

BodyPosition MoonPosition(DateTime x) {
  const double t = CenturiesSince2000(x);
  const double t2 = t * t;
  const double t3 = t2 * t;
  const double t4 = t3 * t;
  const double lp = 218.3164591 + 481267.88134236 * t - 0.0013268 * t2 + t3 / 538841.0 - t4 / 65194000.0;
  const double d = 297.8502042 + 445267.1115168 * t - 0.00163 * t2 + t3 / 545868.0 - t4 / 113065000.0;
  const double m = 357.5291092 + 35999.0502909 * t - 0.0001536 * t2 + t3 / 24490000.0;
  const double mp = 134.9634114 + 477198.8676313 * t + 0.008997 * t2 + t3 / 69699.0 - t4 / 14712000.0;
  const double f = 93.2720993 + 483202.0175273 * t - 0.0034029 * t2 - t3 / 3526000.0 + t4 / 863310000.0;
  const double a1 = 119.75 + 131.849 * t;
  const double a2 = 53.09 + 479264.29 * t;
  const double a3 = 313.45 + 481266.484 * t;
  const double e = 1.0 - 0.002516 * t - 0.0000074 * t2;
  // Terms with the sun's anomaly shrink with the eccentricity of the earth's orbit.
  const auto eccentricity = [e](int mMultiplier) {
    const int k = mMultiplier < 0 ? -mMultiplier : mMultiplier;
    return k == 1 ? e : k == 2 ? e * e : 1.0;
  };

  double sumL = 0.0;
  double sumR = 0.0;
  for (const MoonLongitudeDistanceTerm& term : kMoonLongitudeDistanceTerms) {
    const double argument = d * term.d + m * term.m + mp * term.mp + f * term.f;
    const double factor = eccentricity(term.m);
    sumL += term.longitude * factor * SinD(argument);
    sumR += term.distance * factor * CosD(argument);
  }
  double sumB = 0.0;
  for (const MoonLatitudeTerm& term : kMoonLatitudeTerms) {
    const double argument = d * term.d + m * term.m + mp * term.mp + f * term.f;
    sumB += term.latitude * eccentricity(term.m) * SinD(argument);
  }
  sumL += 3958.0 * SinD(a1) + 1962.0 * SinD(lp - f) + 318.0 * SinD(a2);
  sumB += -2235.0 * SinD(lp) + 382.0 * SinD(a3) + 175.0 * SinD(a1 - f) + 175.0 * SinD(a1 + f) +
          127.0 * SinD(lp - mp) - 115.0 * SinD(lp + mp);

  BodyPosition moon;
  moon.longitude = lp + sumL / 1000000.0;
  moon.latitude = sumB / 1000000.0;
  moon.distance = 385000.56 + sumR / 1000.0;
  ApplyNutation(moon, t);
  return moon;
}

void TopocentricCorrection(BodyPosition& moon, double height, double latitude, double longitude, DateTime x) {
  const double u = ArcTanD(0.99330562 * TanD(latitude));
  const double rhoSinPhi = 0.99664719 * SinD(u) + (height / 6378140.0) * SinD(latitude);
  const double rhoCosPhi = CosD(u) + (height / 6378140.0) * CosD(latitude);
  const double sinParallax = SinD(0.0024427778) / (MoonPosition(x).distance / kKilometresPerAU);
  moon.parallax = ArcSinD(sinParallax);
  const double hourAngle = SiderealTime(x) - longitude - moon.rightAscension;
  const double delta = moon.declination;
  const double denominator = CosD(delta) - rhoCosPhi * sinParallax * CosD(hourAngle);
  const double deltaAlpha = ArcTanD(-rhoCosPhi * sinParallax * SinD(hourAngle) / denominator);
  moon.rightAscension += deltaAlpha;
  moon.declination = ArcTanD((SinD(delta) - rhoSinPhi * sinParallax) * CosD(deltaAlpha) / denominator);
}

double SunDistanceAU(DateTime x) { return SunPosition(x).distance / kKilometresPerAU; }

double MoonDistanceKm(DateTime x) { return MoonPosition(x).distance; }

SkyEvents RiseTransitSetAll(Body body, double longitude, double latitude, DateTime x) {
  double standardAltitude = -0.8333333;
  if (body == Body::Moon) {
    const BodyPosition moon = PositionForHorizon(Body::Moon, longitude, latitude, x);
    standardAltitude = 0.7275 * moon.parallax - 0.5666667;
  }
  const int day = WholeDay(x);
  const double theta0 = SiderealTime(day);
  const BodyPosition p1 = PositionForHorizon(body, longitude, latitude, day - 1);
  const BodyPosition p2 = PositionForHorizon(body, longitude, latitude, day);
  const BodyPosition p3 = PositionForHorizon(body, longitude, latitude, day + 1);

  const double cosH0 = (SinD(standardAltitude) - SinD(latitude) * SinD(p2.declination)) /
                       (CosD(latitude) * CosD(p2.declination));
  if (!(cosH0 >= -1.0 && cosH0 <= 1.0)) throw E_NoRiseSet();
  const double h0 = ArcCosD(cosH0);
  const double m0 = (p2.rightAscension + longitude - theta0) / 360.0;

  // One correction of an approximate instant m (a fraction of the day).
  const auto corrected = [&](double m, bool transit) {
    const double theta = theta0 + 360.985647 * m;
    const double alpha = Interpolate(p1.rightAscension, p2.rightAscension, p3.rightAscension, m);
    const double delta = Interpolate(p1.declination, p2.declination, p3.declination, m);
    double hourAngle = Reduce360(theta - longitude - alpha);
    if (hourAngle > 180.0) hourAngle -= 360.0;
    const double altitude =
        ArcSinD(SinD(latitude) * SinD(delta) + CosD(latitude) * CosD(delta) * CosD(hourAngle));
    const double dm =
        transit ? -hourAngle / 360.0
                : (altitude - standardAltitude) / (360.0 * CosD(delta) * CosD(latitude) * SinD(hourAngle));
    return m + dm;
  };

  SkyEvents events;
  events.transit = day + corrected(DayFraction(m0), true);
  events.rise = day + corrected(DayFraction(m0 - h0 / 360.0), false);
  events.set = day + corrected(DayFraction(m0 + h0 / 360.0), false);
  return events;
}

DateTime RiseTransitSet(Body body, SkyEvent event, double longitude, double latitude, DateTime x) {
  const SkyEvents events = RiseTransitSetAll(body, longitude, latitude, x);
  switch (event) {
    case SkyEvent::Rise: return events.rise;
    case SkyEvent::Set: return events.set;
    case SkyEvent::Transit: break;
  }
  return events.transit;
}

double MoonIllumination(DateTime x) {
  const BodyPosition sun = SunPosition(x);
  const BodyPosition moon = MoonPosition(x);
  const double elongation = ArcCosD(CosD(moon.latitude) * CosD(moon.longitude - sun.longitude));
  const double r = sun.distance;
  double phaseAngle = ArcTanD(r * SinD(elongation) / (moon.distance - r * CosD(elongation)));
  if (phaseAngle < 0.0) phaseAngle += 180.0;
  return (1.0 + CosD(phaseAngle)) / 2.0;
}

int MoonPhase(DateTime x) {
  const int day = WholeDay(x);
  const double before = LeastIllumination(day - 1);
  const double today = LeastIllumination(day);
  const double after = LeastIllumination(day + 1);
  if (before > today) return after > today ? 0 : 3;
  return after >= today ? 1 : 2;
}

}  // namespace fenu::calendar
