#include "expansion/DateFormat.h"

#include <gtest/gtest.h>

namespace fenu {
namespace {

LocalTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return LocalTime{year, month, day, hour, minute, second, 0};
}

LocaleNames English() {
  LocaleNames names;
  names.longDayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  names.shortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  names.longMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                          "July",    "August",   "September", "October", "November", "December"};
  names.shortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  names.timeSeparator = ":";
  names.shortDateFormat = "M/d/yyyy";
  names.longTimeFormat = "h:mm:ss tt";
  names.amDesignator = "AM";
  names.pmDesignator = "PM";
  return names;
}

TEST(DateFormat, AddDaysAcrossMonthsLeapDaysAndTheCalendarsEnds) {
  const struct {
    LocalTime from;
    std::int64_t days;
    std::optional<LocalTime> to;
  } cases[] = {
      {At(2028, 2, 28, 14, 5, 33), 1, At(2028, 2, 29, 14, 5, 33)},
      {At(2027, 2, 28), 1, At(2027, 3, 1)},
      {At(2000, 2, 28), 1, At(2000, 2, 29)},
      {At(1900, 2, 28), 1, At(1900, 3, 1)},
      {At(2026, 12, 9), 23, At(2027, 1, 1)},
      {At(2026, 12, 9), -739958, At(1, 1, 1)},
      {At(2026, 12, 9), -739959, std::nullopt},
      {At(2026, 1, 1), -3650000, std::nullopt},
      {At(9999, 12, 31), 1, std::nullopt},
      {At(1, 1, 1), -1, std::nullopt},
      {At(1, 1, 1), 3652058, At(9999, 12, 31)},
      {At(2026, 12, 9), 2147483647, std::nullopt},
      {At(2026, 12, 9), -2147483648LL, std::nullopt},
  };
  for (const auto& c : cases) {
    const std::optional<LocalTime> to = AddDays(c.from, c.days);
    ASSERT_EQ(to.has_value(), c.to.has_value()) << c.days;
    if (to) {
      EXPECT_EQ(*to, *c.to) << c.days;
    }
  }
}

TEST(DateFormat, DayOfWeek) {
  EXPECT_EQ(DayOfWeek(At(2026, 12, 9)), 3);  // Wednesday
  EXPECT_EQ(DayOfWeek(At(1970, 1, 1)), 4);
  EXPECT_EQ(DayOfWeek(At(2000, 1, 1)), 6);
  EXPECT_EQ(DayOfWeek(At(2024, 2, 29)), 4);
  EXPECT_EQ(DayOfWeek(At(1, 1, 1)), 1);
  EXPECT_EQ(DayOfWeek(At(1899, 12, 31)), 0);
}

TEST(DateFormat, TablePatterns) {
  const LocaleNames german = GermanLocaleNames();
  const struct {
    const char* pattern;
    LocalTime time;
    const char* expected;
  } cases[] = {
      {"dd.mm.yy", At(2005, 3, 7), "07.03.05"},
      {"DD.MM.YYYY HH:NN:SS", At(2005, 3, 7, 9, 5, 3), "07.03.2005 09:05:03"},
      {"d.m.yy h:n:s", At(2005, 3, 7, 9, 5, 3), "7.3.05 9:5:3"},
      {"dddd, d. mmmm yyyy", At(2027, 3, 1), "Montag, 1. März 2027"},
      {"ddd mmm", At(2027, 3, 6), "Sa Mrz"},
      {"yyyy", At(812, 1, 1), "0812"},
      {"Tag: d/m, Woche: 2", At(2026, 12, 9), "Tag: 9/12, Woc0e: 2"},  // letters are pattern letters
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.pattern, c.time, german), c.expected) << c.pattern;

  LocaleNames dotted = german;
  dotted.timeSeparator = ".";
  EXPECT_EQ(FormatDateTime("hh:nn", At(2026, 12, 9, 14, 5), dotted), "14.05");
}

TEST(DateFormat, LocalePicturesOfTheDefaultForm) {
  const LocaleNames english = English();
  EXPECT_EQ(FormatDateTime("", At(2026, 12, 9, 14, 5, 33), english), "12/9/2026 2:05:33 PM");
  EXPECT_EQ(FormatDateTime("", At(2026, 12, 9, 0, 30, 0), english), "12/9/2026 12:30:00 AM");
  EXPECT_EQ(FormatDateTime("", At(2026, 12, 9), english), "12/9/2026");

  const LocaleNames german = GermanLocaleNames();
  const struct {
    const char* picture;
    const char* expected;
  } cases[] = {
      {"dd.MM.yyyy HH:mm:ss", "09.12.2026 14:05:33"},
      {"dddd', den 'd. MMMM yyyy", "Mittwoch, den 9. Dezember 2026"},
      {"ddd d MMM yy", "Mi 9 Dez 26"},
      {"y/M/d H:m:s", "26/12/9 14:5:33"},
      {"'It''s' h tt t", "It's 2  "},
      {"gg yyyy", " 2026"},
      {"'offen", "offen"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatLocalePicture(c.picture, At(2026, 12, 9, 14, 5, 33), german), c.expected) << c.picture;
}

}  // namespace
}  // namespace fenu
