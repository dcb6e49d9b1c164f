#pragma once
// Days of the proleptic Gregorian calendar counted from 1 January 1970, and back (H. Hinnant's
// algorithms, exact for every year the types hold).
#include <cstdint>

namespace fenu {

std::int64_t DaysFromCivil(std::int64_t year, int month, int day);

struct CivilDay {
  std::int64_t year;
  int month;
  int day;
};
CivilDay CivilFromDays(std::int64_t days);

}  // namespace fenu
