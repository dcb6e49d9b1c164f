#pragma once
// The local clock and the user's locale names, as the expansion engine and the date previews
// see them. Win32: platform/win32/Clock_win.h (GetLocalTime, GetLocaleInfoW); tests:
// platform/fake/FakeClock.h (a fixed moment and the German names).
#include <array>
#include <string>

namespace fenu {

// A local date and time to the millisecond: month 1-12, day 1-31, hour 0-23.
struct LocalTime {
  int year = 1;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;

  bool operator==(const LocalTime&) const = default;
};

// The names and formats of the user's locale, in cp1252.
struct LocaleNames {
  std::array<std::string, 7> longDayNames;    // [0] is Sunday, [6] Saturday
  std::array<std::string, 7> shortDayNames;   // [0] is Sunday
  std::array<std::string, 12> longMonthNames;  // [0] is January
  std::array<std::string, 12> shortMonthNames;
  std::string timeSeparator;
  // Windows' format pictures (d, M, y, H, h, m, s, t, text in single quotes), e.g. "dd.MM.yyyy".
  std::string shortDateFormat;
  std::string longTimeFormat;
  // The morning and afternoon designators that "t" and "tt" stand for; empty in German.
  std::string amDesignator;
  std::string pmDesignator;
  // Numbers: the separator between groups of three digits and the decimal separator.
  std::string thousandSeparator;
  std::string decimalSeparator;
};

class IClock {
 public:
  virtual ~IClock() = default;
  // The local date and time now.
  virtual LocalTime Now() = 0;
};

class ILocale {
 public:
  virtual ~ILocale() = default;
  // The user's names and formats as they are now.
  virtual LocaleNames Names() = 0;
};

// The names and formats of a German system: "Sonntag" ... "Samstag", "So" ... "Sa", "Januar" ...
// "Dezember", "Jan" ... "Dez" (March is "Mrz"), ":" between hours and minutes, "dd.MM.yyyy" and
// "HH:mm:ss", "." between groups of digits and "," before the decimals.
LocaleNames GermanLocaleNames();

// The local time by the standard library's clock and time zone, for the portable tools.
LocalTime SystemLocalTime();

}  // namespace fenu
