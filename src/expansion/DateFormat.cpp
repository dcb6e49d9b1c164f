#include "expansion/DateFormat.h"

#include "core/CivilDays.h"
#include "core/Cp1252.h"

namespace fenu {
namespace {

// How many times c stands at text[i], counting at most limit.
std::size_t RunLength(std::string_view text, std::size_t i, char c, bool anyCase, std::size_t limit) {
  std::size_t n = 0;
  while (i + n < text.size() && n < limit && (anyCase ? LowerAscii(text[i + n]) == c : text[i + n] == c)) ++n;
  return n;
}

std::string Number(std::int64_t value, std::size_t digits) {
  std::string text = std::to_string(value < 0 ? -value : value);
  if (text.size() < digits) text.insert(0, digits - text.size(), '0');
  return value < 0 ? "-" + text : text;
}

const std::string& Name(const std::array<std::string, 7>& names, int index) {
  return names[static_cast<std::size_t>(((index % 7) + 7) % 7)];
}

const std::string& Month(const std::array<std::string, 12>& names, int month) {
  return names[static_cast<std::size_t>(((month - 1) % 12 + 12) % 12)];
}

// The day and the month by the length of their run: one or two digits, then the short name and,
// from four letters on, the long one.
std::string DayField(std::size_t n, const LocalTime& time, const LocaleNames& names) {
  if (n <= 2) return Number(time.day, n);
  return n == 3 ? Name(names.shortDayNames, DayOfWeek(time)) : Name(names.longDayNames, DayOfWeek(time));
}

std::string MonthField(std::size_t n, const LocalTime& time, const LocaleNames& names) {
  if (n <= 2) return Number(time.month, n);
  return n == 3 ? Month(names.shortMonthNames, time.month) : Month(names.longMonthNames, time.month);
}

}  // namespace

int DayOfWeek(const LocalTime& time) {
  const std::int64_t days = DaysFromCivil(time.year, time.month, time.day);
  // 1 January 1970 was a Thursday.
  return static_cast<int>(((days % 7) + 7 + 4) % 7);
}

std::optional<LocalTime> AddDays(const LocalTime& time, std::int64_t days) {
  const CivilDay day = CivilFromDays(DaysFromCivil(time.year, time.month, time.day) + days);
  if (day.year < 1 || day.year > 9999) return std::nullopt;
  LocalTime result = time;
  result.year = static_cast<int>(day.year);
  result.month = day.month;
  result.day = day.day;
  return result;
}

std::string FormatDateTime(std::string_view pattern, const LocalTime& time, const LocaleNames& names) {
  if (pattern.empty()) {
    std::string text = FormatLocalePicture(names.shortDateFormat, time, names);
    if (time.hour != 0 || time.minute != 0 || time.second != 0 || time.millisecond != 0)
      text += " " + FormatLocalePicture(names.longTimeFormat, time, names);
    return text;
  }
  std::string out;
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char c = LowerAscii(pattern[i]);
    std::size_t n = 1;
    switch (c) {
      case 'd':
        n = RunLength(pattern, i, 'd', true, 4);
        out += DayField(n, time, names);
        break;
      case 'm':
        n = RunLength(pattern, i, 'm', true, 4);
        out += MonthField(n, time, names);
        break;
      case 'y':
        n = RunLength(pattern, i, 'y', true, pattern.size());
        out += n <= 2 ? Number(time.year % 100, 2) : Number(time.year, 4);
        break;
      case 'h':
        n = RunLength(pattern, i, 'h', true, 2);
        out += Number(time.hour, n);
        break;
      case 'n':
        n = RunLength(pattern, i, 'n', true, 2);
        out += Number(time.minute, n);
        break;
      case 's':
        n = RunLength(pattern, i, 's', true, 2);
        out += Number(time.second, n);
        break;
      case ':':
        out += names.timeSeparator;
        break;
      default:
        out += pattern[i];
        break;
    }
    i += n;
  }
  return out;
}

std::string FormatLocalePicture(std::string_view picture, const LocalTime& time, const LocaleNames& names) {
  std::string out;
  std::size_t i = 0;
  while (i < picture.size()) {
    const char c = picture[i];
    std::size_t n = 1;
    switch (c) {
      case '\'':
        // Quoted text up to the next lone quote; a doubled quote is one quote.
        ++i;
        while (i < picture.size()) {
          if (picture[i] == '\'') {
            if (i + 1 < picture.size() && picture[i + 1] == '\'') {
              out += '\'';
              i += 2;
              continue;
            }
            break;
          }
          out += picture[i++];
        }
        n = 1;  // the closing quote, or nothing past the end
        break;
      case 'd':
        n = RunLength(picture, i, 'd', false, picture.size());
        out += DayField(n, time, names);
        break;
      case 'M':
        n = RunLength(picture, i, 'M', false, picture.size());
        out += MonthField(n, time, names);
        break;
      case 'y':
        n = RunLength(picture, i, 'y', false, picture.size());
        if (n == 1) out += Number(time.year % 100, 1);
        else if (n == 2) out += Number(time.year % 100, 2);
        else out += Number(time.year, 4);
        break;
      case 'g':
        n = RunLength(picture, i, 'g', false, picture.size());
        break;
      case 'h':
        n = RunLength(picture, i, 'h', false, 2);
        out += Number(time.hour % 12 == 0 ? 12 : time.hour % 12, n);
        break;
      case 'H':
        n = RunLength(picture, i, 'H', false, 2);
        out += Number(time.hour, n);
        break;
      case 'm':
        n = RunLength(picture, i, 'm', false, 2);
        out += Number(time.minute, n);
        break;
      case 's':
        n = RunLength(picture, i, 's', false, 2);
        out += Number(time.second, n);
        break;
      case 't': {
        n = RunLength(picture, i, 't', false, 2);
        const std::string& designator = time.hour < 12 ? names.amDesignator : names.pmDesignator;
        out += n == 1 ? designator.substr(0, 1) : designator;
        break;
      }
      default:
        out += c;
        break;
    }
    i += n;
  }
  return out;
}

}  // namespace fenu
