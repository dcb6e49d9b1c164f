#include "calendar/LocaleText.h"

#include <cmath>
#include <cstdio>

#include "insert/DateFormat.h"

namespace fenu::calendar {
namespace {

constexpr int kSignificantDigits = 8;

}  // namespace

std::string FormatNumber(double value, int decimals, const LocaleNames& names) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (decimals < 0) decimals = 0;

  // Places beyond the eighth significant digit are not shown; a number with more than eight
  // digits before the separator is rounded in its integer part.
  int places = decimals;
  if (value != 0.0) {
    const int integerDigits = static_cast<int>(std::floor(std::log10(std::fabs(value)))) + 1;
    if (integerDigits > kSignificantDigits) {
      const double unit = std::pow(10.0, integerDigits - kSignificantDigits);
      value = std::round(value / unit) * unit;
      places = 0;
    } else if (kSignificantDigits - integerDigits < places) {
      places = kSignificantDigits - integerDigits;
    }
  }

  char buffer[352];
  std::snprintf(buffer, sizeof buffer, "%.*f", places, value);
  std::string digits = buffer;
  bool negative = false;
  if (!digits.empty() && digits[0] == '-') {
    negative = true;
    digits.erase(0, 1);
  }
  const std::size_t point = digits.find('.');
  const std::string integer = digits.substr(0, point);
  std::string fraction = point == std::string::npos ? std::string() : digits.substr(point + 1);
  fraction.resize(static_cast<std::size_t>(decimals), '0');

  std::string text;
  for (std::size_t i = 0; i < integer.size(); ++i) {
    if (i > 0 && (integer.size() - i) % 3 == 0) text += names.thousandSeparator;
    text += integer[i];
  }
  if (decimals > 0) text += names.decimalSeparator + fraction;
  // A value that rounds to zero carries no sign.
  if (negative && text.find_first_of("123456789") != std::string::npos) text.insert(0, "-");
  return text;
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
