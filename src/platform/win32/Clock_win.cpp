#include "platform/win32/Clock_win.h"

#include "ui/win32/Text_win.h"

namespace fenu::win32 {
namespace {

// The locale item as cp1252, or fallback when Windows does not give it.
std::string LocaleItem(LCTYPE item, const std::string& fallback) {
  const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, item, nullptr, 0);
  if (length <= 0) return fallback;
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  const int copied = GetLocaleInfoW(LOCALE_USER_DEFAULT, item, text.data(), length);
  if (copied <= 0) return fallback;
  text.resize(static_cast<std::size_t>(copied));
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return ui::FromWide(text);
}

}  // namespace

LocalTime Win32Clock::Now() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return LocalTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

LocaleNames Win32Clock::Names() {
  LocaleNames names = GermanLocaleNames();
  // Windows counts the days from Monday (LOCALE_SDAYNAME1) to Sunday (LOCALE_SDAYNAME7); the
  // names here start with Sunday.
  for (int i = 0; i < 7; ++i) {
    const std::size_t day = static_cast<std::size_t>((i + 1) % 7);
    const LCTYPE offset = static_cast<LCTYPE>(i);
    names.longDayNames[day] = LocaleItem(LOCALE_SDAYNAME1 + offset, names.longDayNames[day]);
    names.shortDayNames[day] = LocaleItem(LOCALE_SABBREVDAYNAME1 + offset, names.shortDayNames[day]);
  }
  for (int i = 0; i < 12; ++i) {
    const std::size_t month = static_cast<std::size_t>(i);
    const LCTYPE offset = static_cast<LCTYPE>(i);
    names.longMonthNames[month] = LocaleItem(LOCALE_SMONTHNAME1 + offset, names.longMonthNames[month]);
    names.shortMonthNames[month] = LocaleItem(LOCALE_SABBREVMONTHNAME1 + offset, names.shortMonthNames[month]);
  }
  names.timeSeparator = LocaleItem(LOCALE_STIME, names.timeSeparator);
  names.shortDateFormat = LocaleItem(LOCALE_SSHORTDATE, names.shortDateFormat);
  names.longTimeFormat = LocaleItem(LOCALE_STIMEFORMAT, names.longTimeFormat);
  names.amDesignator = LocaleItem(LOCALE_S1159, names.amDesignator);
  names.pmDesignator = LocaleItem(LOCALE_S2359, names.pmDesignator);
  names.thousandSeparator = LocaleItem(LOCALE_STHOUSAND, names.thousandSeparator);
  names.decimalSeparator = LocaleItem(LOCALE_SDECIMAL, names.decimalSeparator);
  return names;
}

}  // namespace fenu::win32
