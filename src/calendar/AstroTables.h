#pragma once
// Constant tables of the season and the sun and moon computations (AstroTables.cpp says which
// table of Meeus each one is).
#include <array>

namespace fenu::calendar {

struct NutationTerm {
  int d, m, mp, f, omega;  // multipliers of D, M, M', F, Omega
  int sine, sinePerCentury;      // longitude: 0.0001" and 0.00001" per century
  int cosine, cosinePerCentury;  // obliquity: the same units
};

struct SeasonTerm {
  int a;     // 0.00001 day
  double b;  // degrees
  double c;  // degrees per century
};

struct MoonLongitudeDistanceTerm {
  int d, m, mp, f;
  int longitude;  // 0.000001 degree, sine
  int distance;   // 0.001 km, cosine
};

struct MoonLatitudeTerm {
  int d, m, mp, f;
  int latitude;  // 0.000001 degree, sine
};

extern const std::array<NutationTerm, 31> kNutationTerms;
extern const std::array<SeasonTerm, 24> kSeasonTerms;
extern const std::array<MoonLongitudeDistanceTerm, 60> kMoonLongitudeDistanceTerms;
extern const std::array<MoonLatitudeTerm, 60> kMoonLatitudeTerms;

}  // namespace fenu::calendar
