#include "calendar/TfrmCalendar.h"

#include <cstdint>
#include <optional>

#include "common/Help.h"
#include "common/Settings.h"
#include "calendar/CalendarDays.h"
#include "calendar/LocaleText.h"
#include "calendar/SunMoon.h"
#include "core/Numbers.h"

namespace fenu::calendar {
namespace {

constexpr double kKilometresPerMillion = 1000000.0;

}  // namespace

TfrmCalendar::TfrmCalendar(Services& services, IClipboard& clipboard, IClock& clock, ILocale& locale,
                           ITimeZone& zone, std::string appDir)
    : Kalender(clock, locale, zone, services.sound),
      services_(services),
      clipboard_(clipboard),
      clock_(clock),
      locale_(locale),
      appDir_(std::move(appDir)) {
  // The grid as this window shows it: numbers on the plain grid, the week from Monday.
  Kalender.SetCalendarOptions(
      Options({coAutoDeleteMarks, coCalcAstroData, coCalcHolidays, coGridLines, coUseCurrentDate}));
  Kalender.SetDrawStyle(cdsMonoGrid);
  Kalender.SetStartOfWeek(dowMonday);
  Kalender.SetSaturdayAsSunday(false);
  TCalendarColors background = Kalender.BackgroundColors();
  background.Today = clInfoBk;
  Kalender.SetBackgroundColors(background);
  Kalender.OnChange = [this] { KalenderChange(); };

  ComboGermanState.items.assign(kStateNames.begin(), kStateNames.end());
  LblSternzeichen.color = clTeal;
  LblSeason.color = clGreen;
  LblFeiertag.color = clRed;
}

void TfrmCalendar::FormCreate() {
  // A value that is no whole number counts as absent.
  const std::string stored = ReadSetting(appDir_, kSettingsFileName, kSettingsSection, kStateKey, "1");
  const std::optional<std::int32_t> number = ParseInt(stored);
  const int state = number ? *number : kDefaultState;
  ComboGermanState.itemIndex = IsState(state) ? state : -1;
  Kalender.SetGermanState(ComboGermanState.itemIndex);
  const LocalTime now = clock_.Now();
  Kalender.SetDate(DayNumber(now.year, now.month, now.day));
}

void TfrmCalendar::FormShow() { KalenderChange(); }

void TfrmCalendar::KalenderChange() {
  const LocaleNames names = locale_.Names();
  const DayInfo& info = Kalender.Info();
  const DateTime date = Kalender.Date();

  LblMonat.caption = names.longMonthNames[static_cast<std::size_t>(Kalender.Month() - 1)];
  LblJahr.caption = std::to_string(Kalender.Year());
  LblDatum.caption = FormatDate("dddd, dd. mmmm yyyy", date, names);
  LblTagImJahr.caption = std::to_string(info.dayOfYear) + ". Tag im Jahr";
  LblWocheImJahr.caption = std::to_string(info.weekOfYear) + ". Woche im Jahr";
  LblFeiertag.color = info.holidayCode < 0 ? clNavy : clRed;
  LblFeiertag.caption = info.holidayName;
  LblSeason.caption = kSeasonNames[static_cast<std::size_t>(info.season)];
  LblSternzeichen.caption = std::string("Sternzeichen: ") + kZodiacNames[static_cast<std::size_t>(info.zodiac)];

  ComboAstroData.items = {
      "Mondaufgang: " + FormatClockTime(info.moonRise, names) + " h",
      "Mondhöchststand: " + FormatClockTime(info.moonTransit, names) + " h",
      "Monduntergang: " + FormatClockTime(info.moonSet, names) + " h",
      "Entfernung zum Mond: " + FormatNumber(info.moonDistanceKm, 0, names) + " km",
      kMoonPhaseNames[static_cast<std::size_t>(info.moonPhase)],
      "Sonnenaufgang: " + FormatClockTime(info.sunRise, names) + " h",
      "Sonnenhöchststand: " + FormatClockTime(info.sunTransit, names) + " h",
      "Sonnenuntergang: " + FormatClockTime(info.sunSet, names) + " h",
      "Entfernung zur Sonne: " + FormatNumber(info.sunDistanceKm / kKilometresPerMillion, 2, names) + " mio km",
  };
  ComboAstroData.itemIndex = 0;
}

void TfrmCalendar::ComboGermanStateChange(int index) {
  ComboGermanState.itemIndex = index >= 0 && index < static_cast<int>(ComboGermanState.items.size()) ? index : -1;
  if (ComboGermanState.itemIndex >= 0) Kalender.SetGermanState(ComboGermanState.itemIndex);
}

void TfrmCalendar::SpinMonatUpClick() { Kalender.NextMonth(); }
void TfrmCalendar::SpinMonatDownClick() { Kalender.PrevMonth(); }
void TfrmCalendar::SpinJahrUpClick() { Kalender.NextYear(); }
void TfrmCalendar::SpinJahrDownClick() { Kalender.PrevYear(); }

bool TfrmCalendar::btnOkClick() {
  const std::string date = FormatDate(kClipboardPattern, Kalender.Date(), locale_.Names());
  if (!clipboard_.SetText(date)) {
    services_.dialogs.MessageDlg(MsgKind::Error, kClipboardRefused);
    return false;
  }
  return true;
}

void TfrmCalendar::FormClose() {
  WriteSetting(appDir_, kSettingsFileName, kSettingsSection, kStateKey,
               static_cast<std::int32_t>(ComboGermanState.itemIndex));
}

void TfrmCalendar::FormHelp() { ShowHelpContext(services_.help, appDir_, kHelpContext); }

}  // namespace fenu::calendar
