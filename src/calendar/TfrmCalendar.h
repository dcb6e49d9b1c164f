#pragma once
// The calendar window: a month grid to browse months and years and pick a day, the day's
// information (date in words, day and week of the year, zodiac, season, holiday of the chosen
// German state, sun and moon), the state remembered in [Calendar] BL, and "Übernehmen", which
// puts the picked date on the clipboard.
#include <array>
#include <string>
#include <vector>

#include "calendar/CalendarGrid.h"
#include "platform/Clock.h"
#include "platform/Keyboard.h"
#include "platform/Services.h"
#include "platform/TimeZone.h"

namespace fenu::calendar {

// A drop-down list without free typing.
struct ListState {
  std::vector<std::string> items;
  int itemIndex = -1;  // -1: nothing selected
};

// A label's text and its font colour.
struct LabelState {
  std::string caption;
  Color color = clWindowText;
};

inline constexpr Color clTeal = 0x808000;
inline constexpr Color clGreen = 0x008000;

class TfrmCalendar {
 public:
  TfrmCalendar(Services& services, IClipboard& clipboard, IClock& clock, ILocale& locale, ITimeZone& zone,
               std::string appDir);
  TfrmCalendar(const TfrmCalendar&) = delete;
  TfrmCalendar& operator=(const TfrmCalendar&) = delete;

  static constexpr const char* kCaption = "Kalender";
  static constexpr const char* kSettingsSection = "Calendar";
  static constexpr const char* kStateKey = "BL";
  static constexpr int kDefaultState = gsBayern;
  static constexpr int kHelpContext = 7;
  // What the date goes onto the clipboard as.
  static constexpr const char* kClipboardPattern = "dd.mm.yyyy";
  static constexpr const char* kClipboardRefused =
      "Die Zwischenablage ist gerade nicht verfügbar. Das Datum wurde nicht übernommen.";

  // The hints that the status bar shows for the control under the mouse.
  static constexpr const char* kHintSpinMonat = "Monat vor/zurück";
  static constexpr const char* kHintSpinJahr = "Jahr vor/zurück";
  static constexpr const char* kHintAstroData = "Astronomische Daten";
  static constexpr const char* kHintGermanState = "Bundesland auswählen, wichtig wegen Feiertagen";
  static constexpr const char* kHintOk = "Datum in die Zwischenablage übernehmen und schliessen";
  static constexpr const char* kHintSchliessen = "Schliessen, ohne Übernahme";

  CalendarGrid Kalender;
  LabelState LblMonat, LblJahr, LblDatum, LblTagImJahr, LblWocheImJahr, LblSternzeichen, LblSeason, LblFeiertag;
  ListState ComboAstroData;
  ListState ComboGermanState;

  // Reads the state from the settings and selects today.
  void FormCreate();
  void FormShow();
  // The grid's OnChange: the labels and the data list from the grid's day information.
  void KalenderChange();
  // The state list changed to index (-1: nothing selected).
  void ComboGermanStateChange(int index);
  void SpinMonatUpClick();
  void SpinMonatDownClick();
  void SpinJahrUpClick();
  void SpinJahrDownClick();
  // Puts the date on the clipboard; true when the window closes with OK. When the clipboard
  // cannot be had, says so and the window stays open.
  bool btnOkClick();
  // Every way of closing: the selected state goes to the settings file.
  void FormClose();
  // F1.
  void FormHelp();

 private:
  Services& services_;
  IClipboard& clipboard_;
  IClock& clock_;
  ILocale& locale_;
  std::string appDir_;
};

}  // namespace fenu::calendar
