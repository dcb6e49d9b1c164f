#include "calendar/TfrmCalendar.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeKeyboard.h"
#include "platform/fake/FakeServices.h"
#include "platform/fake/FakeTimeZone.h"
#include "support/TempDir.h"

namespace fenu::calendar {
namespace {

using Lines = std::vector<std::string>;

// The calendar window over the fake services, opened on a German system whose clock stands at
// the given moment, with the settings file holding ini (no file when empty).
struct Window {
  test::TempDir dir;
  FakeServices fake;
  FakeKeyboard keyboard{fake.log};
  FakeClock clock;
  FakeTimeZone zone{-60};
  std::unique_ptr<TfrmCalendar> form;

  explicit Window(const LocalTime& now, const std::string& ini = "") : clock(now) {
    if (!ini.empty()) dir.Write("fenu.ini", ini);
  }
  TfrmCalendar& Open() {
    form = std::make_unique<TfrmCalendar>(fake.services, keyboard, clock, clock, zone, dir.Path());
    form->FormCreate();
    form->FormShow();
    return *form;
  }
  std::string Settings() const { return dir.Read("fenu.ini"); }
};

constexpr LocalTime kBussUndBettag2025{2025, 11, 19, 10, 30, 0, 0};

TEST(TfrmCalendar, OpensOnTodayWithTheDayInformationInTheSystemsFormats) {
  Window w(kBussUndBettag2025);
  TfrmCalendar& f = w.Open();
  EXPECT_EQ(DecodeDate(f.Kalender.Date()), (CivilDate{2025, 11, 19}));
  EXPECT_EQ(f.Kalender.DrawStyle(), cdsMonoGrid);
  EXPECT_EQ(f.Kalender.StartOfWeek(), dowMonday);
  EXPECT_EQ(f.Kalender.CalendarOptions(),
            Options({coAutoDeleteMarks, coCalcAstroData, coCalcHolidays, coGridLines, coUseCurrentDate}));
  EXPECT_EQ(f.Kalender.BackgroundColors().Today, clInfoBk);
  EXPECT_EQ(f.Kalender.CellText(0, 0), "Mo");

  EXPECT_EQ(f.LblMonat.caption, "November");
  EXPECT_EQ(f.LblJahr.caption, "2025");
  EXPECT_EQ(f.LblDatum.caption, "Mittwoch, 19. November 2025");
  EXPECT_EQ(f.LblTagImJahr.caption, "323. Tag im Jahr");
  EXPECT_EQ(f.LblWocheImJahr.caption, "47. Woche im Jahr");
  EXPECT_EQ(f.LblSeason.caption, "Herbst");
  EXPECT_EQ(f.LblSeason.color, clGreen);
  EXPECT_EQ(f.LblSternzeichen.caption, "Sternzeichen: Skorpion");
  EXPECT_EQ(f.LblSternzeichen.color, clTeal);
  // Bayern: an ordinary Wednesday. The times are the clock's 10:30 selection in Bayern, as
  // "fenu-cli calendar --state 1 --date 2025-11-19 --time 10:30:00" prints them.
  EXPECT_EQ(f.LblFeiertag.caption, "");
  EXPECT_EQ(f.ComboAstroData.items,
            (Lines{"Mondaufgang: 06:54:17 h", "Mondhöchststand: 11:16:50 h", "Monduntergang: 15:31:19 h",
                   "Entfernung zum Mond: 406.540 km", "Abnehmender Mond", "Sonnenaufgang: 07:29:06 h",
                   "Sonnenhöchststand: 11:59:24 h", "Sonnenuntergang: 16:29:13 h",
                   "Entfernung zur Sonne: 147,84 mio km"}));
  EXPECT_EQ(f.ComboAstroData.itemIndex, 0);
}

TEST(TfrmCalendar, TheDataListFollowsAnotherLocalesTimeAndNumberFormats) {
  Window w(kBussUndBettag2025);
  w.clock.names.longTimeFormat = "h:mm:ss tt";
  w.clock.names.amDesignator = "AM";
  w.clock.names.pmDesignator = "PM";
  w.clock.names.thousandSeparator = ",";
  w.clock.names.decimalSeparator = ".";
  w.clock.names.longMonthNames[10] = "November (en)";
  TfrmCalendar& f = w.Open();
  EXPECT_EQ(f.ComboAstroData.items[0], "Mondaufgang: 6:54:17 AM h");
  EXPECT_EQ(f.ComboAstroData.items[2], "Monduntergang: 3:31:19 PM h");
  EXPECT_EQ(f.ComboAstroData.items[3], "Entfernung zum Mond: 406,540 km");
  EXPECT_EQ(f.ComboAstroData.items[8], "Entfernung zur Sonne: 147.84 mio km");
  EXPECT_EQ(f.LblMonat.caption, "November (en)");
}

// [Calendar] BL as stored, the entry selected, the state the grid works with, the holiday of
// 6 January (Bayern, Baden-Württemberg and Sachsen-Anhalt only), and BL as written back.
TEST(TfrmCalendar, StateComesFromBlWithBayernForAnAbsentOrBrokenValue) {
  struct Case {
    const char* ini;
    int selected;
    const char* holiday;
  };
  const Case cases[] = {
      {"", 1, "Heilige 3 Könige"},
      {"[Calendar]\r\nBL=13\r\n", 13, "Heilige 3 Könige"},
      {"[Calendar]\r\nBL=2\r\n", 2, ""},
      {"[Calendar]\r\nBL=0x02\r\n", 2, ""},  // the profile reader's hexadecimal form
      {"[Calendar]\r\nBL=abc\r\n", 1, "Heilige 3 Könige"},
      {"[Calendar]\r\nBL=1.5\r\n", 1, "Heilige 3 Könige"},
      {"[Calendar]\r\nBL=\r\n", 1, "Heilige 3 Könige"},
      {"[Calendar]\r\nBL=99999999999\r\n", 1, "Heilige 3 Könige"},
      // Outside the list: no entry selected, and only the holidays of every state apply.
      {"[Calendar]\r\nBL=16\r\n", -1, ""},
      {"[Calendar]\r\nBL=-1\r\n", -1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ini);
    Window w(LocalTime{2025, 1, 6, 9, 0, 0, 0}, c.ini);
    TfrmCalendar& f = w.Open();
    EXPECT_EQ(f.ComboGermanState.itemIndex, c.selected);
    EXPECT_EQ(f.Kalender.GermanState(), c.selected);
    EXPECT_EQ(f.LblFeiertag.caption, c.holiday);
    f.FormClose();
    EXPECT_EQ(w.Settings(), "[Calendar]\r\nBL=" + std::to_string(c.selected) + "\r\n");
  }
}

TEST(TfrmCalendar, ChoosingAStateRecalculatesTheHolidayAndIsStoredOnClosing) {
  Window w(kBussUndBettag2025, "[Main]\r\nTaskbar=-1\r\n[Calendar]\r\nBL=1\r\n");
  TfrmCalendar& f = w.Open();
  const std::string bayernSunrise = f.ComboAstroData.items[5];

  f.ComboGermanStateChange(gsSachsen);
  EXPECT_EQ(f.Kalender.GermanState(), gsSachsen);
  EXPECT_EQ(f.LblFeiertag.caption, "Buß- und Bettag");
  EXPECT_EQ(f.LblFeiertag.color, clRed);
  EXPECT_NE(f.ComboAstroData.items[5], bayernSunrise);  // Dresden sees the sun earlier

  f.ComboGermanStateChange(gsBayern);
  EXPECT_EQ(f.LblFeiertag.caption, "");
  EXPECT_EQ(f.ComboAstroData.items[5], bayernSunrise);

  f.ComboGermanStateChange(gsSachsen);
  f.FormClose();
  EXPECT_EQ(w.Settings(), "[Main]\r\nTaskbar=-1\r\n[Calendar]\r\nBL=12\r\n");

  // Nothing selected leaves the grid's state, and -1 is stored.
  f.ComboGermanStateChange(-1);
  EXPECT_EQ(f.Kalender.GermanState(), gsSachsen);
  f.FormClose();
  EXPECT_EQ(w.Settings(), "[Main]\r\nTaskbar=-1\r\n[Calendar]\r\nBL=-1\r\n");
}

TEST(TfrmCalendar, NotableDaysInNavyHolidaysInRedAndTheIsoWeek) {
  struct Case {
    LocalTime day;
    const char* holiday;
    Color color;
    const char* week;
  };
  const Case cases[] = {
      {{2025, 2, 14, 12, 0, 0, 0}, "Valentinstag", clNavy, "7. Woche im Jahr"},
      {{2024, 2, 14, 12, 0, 0, 0}, "Aschermittwoch", clNavy, "7. Woche im Jahr"},
      {{2025, 10, 3, 12, 0, 0, 0}, "Tag der deutschen Einheit", clRed, "40. Woche im Jahr"},
      {{2021, 1, 1, 12, 0, 0, 0}, "Neujahr", clRed, "53. Woche im Jahr"},
  };
  for (const Case& c : cases) {
    Window w(c.day);
    TfrmCalendar& f = w.Open();
    EXPECT_EQ(f.LblFeiertag.caption, c.holiday);
    EXPECT_EQ(f.LblFeiertag.color, c.color) << c.holiday;
    EXPECT_EQ(f.LblWocheImJahr.caption, c.week);
  }
}

TEST(TfrmCalendar, UebernehmenPutsTheDateOnTheClipboardSchliessenLeavesIt) {
  {
    Window w(LocalTime{2025, 10, 3, 8, 0, 0, 0});
    TfrmCalendar& f = w.Open();
    w.fake.log.clear();
    EXPECT_TRUE(f.btnOkClick());
    f.FormClose();
    EXPECT_EQ(w.fake.log, (Lines{"SetClipboard \"03.10.2025\""}));
    EXPECT_EQ(w.keyboard.clipboard, "03.10.2025");
    EXPECT_EQ(w.Settings(), "[Calendar]\r\nBL=1\r\n");
  }
  {
    Window w(LocalTime{2025, 10, 3, 8, 0, 0, 0});
    w.keyboard.clipboard = "vorher";
    TfrmCalendar& f = w.Open();
    f.ComboGermanStateChange(gsHessen);
    w.fake.log.clear();
    f.FormClose();  // Schliessen, Escape or the close box
    EXPECT_EQ(w.fake.log, Lines{});
    EXPECT_EQ(w.keyboard.clipboard, "vorher");
    EXPECT_EQ(w.Settings(), "[Calendar]\r\nBL=6\r\n");
  }
}

TEST(TfrmCalendar, AClipboardThatCannotBeHadIsReportedAndTheWindowStays) {
  Window w(LocalTime{2025, 10, 3, 8, 0, 0, 0});
  TfrmCalendar& f = w.Open();
  w.keyboard.clipboardLocked = true;
  w.fake.log.clear();
  EXPECT_FALSE(f.btnOkClick());
  EXPECT_EQ(w.fake.log, (Lines{"SetClipboard \"03.10.2025\" refused",
                               std::string("MessageBox Fehler \"") + TfrmCalendar::kClipboardRefused + "\" -> OK"}));
  // Once the clipboard is free again, the same button does it.
  w.keyboard.clipboardLocked = false;
  EXPECT_TRUE(f.btnOkClick());
  EXPECT_EQ(w.keyboard.clipboard, "03.10.2025");
}

TEST(TfrmCalendar, SpinButtonsStepMonthAndYearAndTheLabelsFollow) {
  Window w(LocalTime{2024, 1, 31, 9, 0, 0, 0});
  TfrmCalendar& f = w.Open();
  f.SpinMonatUpClick();  // 31 January: the end of February
  EXPECT_EQ(f.LblDatum.caption, "Donnerstag, 29. Februar 2024");
  EXPECT_EQ(f.LblMonat.caption, "Februar");
  f.SpinJahrUpClick();  // 29 February: 28 February of the next year
  EXPECT_EQ(f.LblDatum.caption, "Freitag, 28. Februar 2025");
  EXPECT_EQ(f.LblJahr.caption, "2025");
  f.SpinMonatDownClick();
  EXPECT_EQ(f.LblDatum.caption, "Dienstag, 28. Januar 2025");
  f.SpinJahrDownClick();
  EXPECT_EQ(f.LblDatum.caption, "Sonntag, 28. Januar 2024");
  f.FormClose();
  EXPECT_EQ(w.Settings(), "[Calendar]\r\nBL=1\r\n");
}

TEST(TfrmCalendar, AStepBeyondTheYear3000IsRefusedWithTheDefaultSound) {
  Window w(LocalTime{3000, 12, 31, 9, 0, 0, 0});
  TfrmCalendar& f = w.Open();
  w.fake.log.clear();
  f.SpinJahrUpClick();
  f.SpinMonatUpClick();
  EXPECT_EQ(w.fake.log, (Lines{"Beep", "Beep"}));
  EXPECT_EQ(f.LblDatum.caption, "Mittwoch, 31. Dezember 3000");
  f.SpinMonatDownClick();
  EXPECT_EQ(f.LblDatum.caption, "Sonntag, 30. November 3000");
}

TEST(TfrmCalendar, HelpOpensTheCalendarPage) {
  Window w(kBussUndBettag2025);
  TfrmCalendar& f = w.Open();
  w.fake.log.clear();
  f.FormHelp();
  EXPECT_EQ(w.fake.log, Lines{"Help " + w.dir.Path() + "Hilfe\\Fenu.chm::/kalender.htm"});
}

}  // namespace
}  // namespace fenu::calendar
