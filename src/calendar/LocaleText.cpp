#include "calendar/LocaleText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "expansion/DateFormat.h"

namespace fenu::calendar {
namespace {

constexpr int kSignificantDigits = 8;

}  // namespace

std::string FormatNumber(double value, int decimals, const LocaleNames& names) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (decimals < 0) decimals = 0;

  // The value as 0.ddd... times 10 to the power point, rounded once, half away from zero, at
  // the eighth significant digit or at the last place shown, whichever comes first.
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.16e", std::fabs(value));
  const std::string text = buffer;
  const std::size_t e = text.find('e');
  std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
  int point = value == 0.0 ? 1 : std::stoi(text.substr(e + 1)) + 1;
  const int keep = std::min(kSignificantDigits, point + decimals);
  const bool up = keep >= 0 && digits[static_cast<std::size_t>(keep)] >= '5';
  digits.resize(static_cast<std::size_t>(std::max(keep, 0)));
  if (up) {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i > 0) {
      ++digits[i - 1];
    } else {
      digits.insert(0, "1");
      ++point;
    }
  }

  // The digit at a place counted from the point (0 the first before it, -1 the first after).
  const auto digitAt = [&](int place) {
    const int index = point - 1 - place;
    return index >= 0 && index < static_cast<int>(digits.size()) ? digits[static_cast<std::size_t>(index)] : '0';
  };
  std::string integer;
  for (int place = std::max(point, 1) - 1; place >= 0; --place) integer += digitAt(place);
  const std::size_t first = integer.find_first_not_of('0');
  integer = first == std::string::npos ? "0" : integer.substr(first);
  std::string fraction;
  for (int place = -1; place >= -decimals; --place) fraction += digitAt(place);

  std::string result;
  for (std::size_t i = 0; i < integer.size(); ++i) {
    if (i > 0 && (integer.size() - i) % 3 == 0) result += names.thousandSeparator;
    result += integer[i];
  }
  if (decimals > 0) result += names.decimalSeparator + fraction;
  // A value that rounds to zero carries no sign.
  if (value < 0 && (integer + fraction).find_first_not_of('0') != std::string::npos) result.insert(0, "-");
  return result;
}

LocalTime ToLocalTime(DateTime x) {
  const CivilDate date = DecodeDate(x);
  const ClockTime time = DecodeTime(x);
  return LocalTime{date.year, date.month, date.day, time.hour, time.minute, time.second, time.millisecond};
}

std::string FormatDate(std::string_view pattern, DateTime x, const LocaleNames& names) {
  return FormatDateTime(pattern, ToLocalTime(x), names);
}

std::string FormatClockTime(DateTime x, const LocaleNames& names) {
  return FormatLocalePicture(names.longTimeFormat, ToLocalTime(x), names);
}

}  // namespace fenu::calendar
