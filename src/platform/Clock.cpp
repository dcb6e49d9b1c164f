#include "platform/Clock.h"

#include <chrono>
#include <ctime>

namespace fenu {

LocaleNames GermanLocaleNames() {
  LocaleNames names;
  names.longDayNames = {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
  names.shortDayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
  names.longMonthNames = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                          "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
  names.shortMonthNames = {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
  names.timeSeparator = ":";
  names.shortDateFormat = "dd.MM.yyyy";
  names.longTimeFormat = "HH:mm:ss";
  names.thousandSeparator = ".";
  names.decimalSeparator = ",";
  return names;
}

LocalTime SystemLocalTime() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto millisecond = static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
  std::tm local{};
#ifdef _WIN32
  ::localtime_s(&local, &seconds);
#else
  ::localtime_r(&seconds, &local);
#endif
  return LocalTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                   local.tm_min,         local.tm_sec,     millisecond};
}

}  // namespace fenu
