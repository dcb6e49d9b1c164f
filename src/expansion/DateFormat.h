#pragma once
// Dates and times as the variables print them: the format patterns of the variable table
// ("dd.mm.yy", "dddd, d. mmmm yyyy", "hh:nn:ss", ...) and Windows' format pictures of the
// user's locale ("dd.MM.yyyy", "HH:mm:ss") for the default date-time form.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Clock.h"

namespace fenu {

// The day of the week, 0 for Sunday to 6 for Saturday (Gregorian calendar).
int DayOfWeek(const LocalTime& time);

// The same time of day, days later (or earlier). Nothing when the date leaves the years 1 to
// 9999.
std::optional<LocalTime> AddDays(const LocalTime& time, std::int64_t days);

// Formats with a pattern of the variable table. Letters in any case: "d" day without and "dd"
// with leading zero, "ddd" short and "dddd" long day name, "m", "mm", "mmm", "mmmm" the same for
// the month, "yy" two-digit and "yyyy" four-digit year, "h"/"hh" hour 0-23, "n"/"nn" minute,
// "s"/"ss" second (the doubled letter with leading zero); ":" is the locale's time separator;
// everything else is copied. A longer run of "d" or "m" is read four letters at a time.
// An empty pattern is the locale's short date, a blank and its long time; the time is left out
// when it is exactly midnight.
std::string FormatDateTime(std::string_view pattern, const LocalTime& time, const LocaleNames& names);

// Formats with one of Windows' format pictures: d dd ddd dddd, M MM MMM MMMM, y yy yyyy,
// h hh (12-hour), H HH (24-hour), m mm, s ss, t tt (the morning or afternoon designator, one
// letter or whole), g gg (the era, left out); text in single quotes is copied, "''" is a quote;
// everything else is copied.
std::string FormatLocalePicture(std::string_view picture, const LocalTime& time, const LocaleNames& names);

}  // namespace fenu
