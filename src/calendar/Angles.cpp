#include "calendar/Angles.h"

#include <cmath>
#include <numbers>

namespace fenu::calendar {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

}  // namespace

double Reduce360(double x) {
  // nearbyint rounds ties to even in the default rounding mode.
  double result = x - 360.0 * std::nearbyint(x / 360.0);
  // Beyond 2^53 degrees the subtraction leaves rounding noise larger than a turn; fmod keeps the
  // loop below finite.
  if (!(std::abs(result) <= 360.0)) result = std::fmod(result, 360.0);
  while (result < 0.0) result += 360.0;
  return result;
}

double SinD(double degrees) { return std::sin(Reduce360(degrees) * kRadiansPerDegree); }
double CosD(double degrees) { return std::cos(Reduce360(degrees) * kRadiansPerDegree); }
double TanD(double degrees) { return std::tan(Reduce360(degrees) * kRadiansPerDegree); }

double ArcTanD(double x) { return std::atan(x) / kRadiansPerDegree; }

double ArcSinD(double x) { return ArcTanD(x / std::sqrt(1.0 - x * x)); }

double ArcCosD(double x) { return 90.0 - ArcSinD(x); }

double ArcTan2D(double x, double y) {
  const double angle = ArcTanD(y / x);
  return x < 0.0 ? angle + 180.0 : angle;
}

}  // namespace fenu::calendar
