#include "platform/TimeZone.h"

#include <ctime>

#include "core/CivilDays.h"

namespace fenu {
namespace {

// Minutes since 1 January 1970 of a broken-down time, Gregorian.
long long MinutesOf(const std::tm& t) {
  return DaysFromCivil(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday) * 1440 + t.tm_hour * 60 + t.tm_min;
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
