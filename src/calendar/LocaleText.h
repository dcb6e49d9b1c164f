#pragma once
// The calendar's numbers, dates and clock times as the user's locale writes them.
#include <string>
#include <string_view>

#include "calendar/DateTime.h"
#include "platform/Clock.h"

namespace fenu::calendar {

// A number with decimals places, cut to 8 significant digits first, with the locale's separator
// between groups of three digits and its decimal separator: 384400.5 with 0 places is "384.401",
// 147.098074 with 2 places "147,10". Not a number is "NAN", the infinities "INF" and "-INF".
std::string FormatNumber(double value, int decimals, const LocaleNames& names);

// The date and the clock time of x, to the millisecond.
LocalTime ToLocalTime(DateTime x);

// x formatted with a pattern of the variable table ("dd.mm.yyyy", "dddd, dd. mmmm yyyy").
std::string FormatDate(std::string_view pattern, DateTime x, const LocaleNames& names);

// The clock part of x in the locale's long time format ("HH:mm:ss").
std::string FormatClockTime(DateTime x, const LocaleNames& names);

}  // namespace fenu::calendar
