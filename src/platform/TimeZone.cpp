#include "platform/TimeZone.h"

#include <ctime>

namespace fenu {
namespace {

// Minutes since 1 January 1970 of a broken-down time, Gregorian.
long long MinutesOf(const std::tm& t) {
  const int year = t.tm_year + 1900;
  const int month = t.tm_mon + 1;
  const int y = month <= 2 ? year - 1 : year;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yearOfEra = y - era * 400;
  const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + t.tm_mday - 1;
  const long long days = era * 146097LL + yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear - 719468;
  return days * 1440 + t.tm_hour * 60 + t.tm_min;
}

}  // namespace

int SystemTimeZone::CurrentBiasMinutes() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  std::tm utc{};
#ifdef _WIN32
  if (::localtime_s(&local, &now) != 0 || ::gmtime_s(&utc, &now) != 0) return 0;
#else
  if (!::localtime_r(&now, &local) || !::gmtime_r(&now, &utc)) return 0;
#endif
  return static_cast<int>(MinutesOf(utc) - MinutesOf(local));
}

}  // namespace fenu
