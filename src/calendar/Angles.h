#pragma once
// Angle arithmetic in degrees, as the astronomical formulas are written.
namespace fenu::calendar {

// x minus the nearest multiple of 360 (ties to the even multiple), then lifted into 0..360.
double Reduce360(double x);

// The trigonometric functions reduce their argument with Reduce360 first.
double SinD(double degrees);
double CosD(double degrees);
double TanD(double degrees);
// arctan(x / sqrt(1 - x²)), so ±1 gives ±90.
double ArcSinD(double x);
// 90 minus ArcSinD.
double ArcCosD(double x);
double ArcTanD(double x);
// arctan(y / x), plus 180 when x is negative: the result lies in -90..270. Note the order of
// the arguments, the reverse of atan2.
double ArcTan2D(double x, double y);

}  // namespace fenu::calendar
