#include "calendar/LocaleText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace fenu::calendar {
namespace {

LocaleNames English() {
  LocaleNames names = GermanLocaleNames();
  names.thousandSeparator = ",";
  names.decimalSeparator = ".";
  names.longTimeFormat = "h:mm:ss tt";
  names.amDesignator = "AM";
  names.pmDesignator = "PM";
  return names;
}

TEST(FormatNumber, GroupsDigitsAndRoundsOnceHalfAwayFromZeroAtEightDigitsOrTheLastPlace) {
  const LocaleNames german = GermanLocaleNames();
  struct Case {
    double value;
    int decimals;
    const char* text;
  };
  const Case cases[] = {
      {406539.9779328727, 0, "406.540"},
      {147.8424678162332, 2, "147,84"},
      {384400.5, 0, "384.401"},  // a tie goes away from zero
      {0.125, 2, "0,13"},
      {-1234.5, 0, "-1.235"},
      {999.999, 2, "1.000,00"},  // the carry adds a digit and a group
      {12345.6789, 2, "12.345,68"},
      {1234567.891, 2, "1.234.567,90"},  // eight digits: the second place is cut
      {123456789.6, 0, "123.456.790"},   // more than eight before the point
      {0.006, 2, "0,01"},
      {0.004, 2, "0,00"},
      {-0.004, 2, "0,00"},  // no sign on a zero
      {0.0, 0, "0"},
      {0.0, 2, "0,00"},
      {100.0, 0, "100"},
      {1000.0, 0, "1.000"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatNumber(c.value, c.decimals, german), c.text) << c.value;
}

TEST(FormatNumber, TakesTheLocalesSeparatorsAndNamesWhatIsNoNumber) {
  EXPECT_EQ(FormatNumber(406539.98, 0, English()), "406,540");
  EXPECT_EQ(FormatNumber(147842467.8162332 / 1e6, 2, English()), "147.84");
  const LocaleNames german = GermanLocaleNames();
  EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN(), 0, german), "NAN");
  EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), 2, german), "INF");
  EXPECT_EQ(FormatNumber(-std::numeric_limits<double>::infinity(), 2, german), "-INF");
}

TEST(LocaleText, DatesInPatternsAndClockTimesInTheLongTimeFormat) {
  const DateTime x = DayNumber(2025, 10, 3) + (7 * 3600 + 5 * 60 + 9) / 86400.0;
  const LocaleNames german = GermanLocaleNames();
  EXPECT_EQ(FormatDate("dd.mm.yyyy", x, german), "03.10.2025");
  EXPECT_EQ(FormatDate("dddd, dd. mmmm yyyy", x, german), "Freitag, 03. Oktober 2025");
  EXPECT_EQ(FormatClockTime(x, german), "07:05:09");
  EXPECT_EQ(FormatClockTime(x + 0.5, English()), "7:05:09 PM");
  // Only the clock part counts: a time that fell into the next day shows as such.
  EXPECT_EQ(FormatClockTime(x + 1.0, german), "07:05:09");
}

}  // namespace
}  // namespace fenu::calendar
