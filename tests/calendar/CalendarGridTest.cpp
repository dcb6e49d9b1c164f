#include "calendar/CalendarGrid.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeServices.h"
#include "platform/fake/FakeTimeZone.h"

namespace fenu::calendar {
namespace {

std::string DateText(DateTime x) {
  const CivilDate d = DecodeDate(x);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
  return text;
}

// A grid on a German system whose clock stands at 15 April 2025 (a Tuesday), 10:30; every
// notification is written down with the date it sees.
class CalendarGridTest : public ::testing::Test {
 protected:
  CalendarGridTest() : clock(LocalTime{2025, 4, 15, 10, 30, 0, 0}), zone(-60) {}

  CalendarGrid& Grid() {
    if (!grid) {
      grid = std::make_unique<CalendarGrid>(clock, clock, zone, fake);
      grid->OnBeforeChange = [this] { events.push_back("before"); };
      grid->OnChange = [this] {
        events.push_back("change " + DateText(grid->Date()) + " spring " + DateText(grid->Seasons().spring));
      };
      grid->OnMonthChange = [this] { events.push_back("month"); };
      grid->OnYearChange = [this] { events.push_back("year " + DateText(grid->Seasons().spring)); };
    }
    return *grid;
  }

  // Selects a day without notifications being written down.
  void Show(int year, int month, int day) {
    Grid().SetDate(DayNumber(year, month, day) + 0.25);
    events.clear();
  }

  FakeClock clock;
  FakeTimeZone zone;
  FakeServices fake;
  std::unique_ptr<CalendarGrid> grid;
  std::vector<std::string> events;
};

using Events = std::vector<std::string>;

TEST_F(CalendarGridTest, StartsAtNowWithTheDefaultsOfTheControl) {
  CalendarGrid& g = Grid();
  EXPECT_EQ(DateText(g.Date()), "2025-04-15");
  EXPECT_DOUBLE_EQ(TimeOfDay(g.Date()), 10.5 / 24.0);
  EXPECT_EQ(g.GermanState(), gsNordrhein_Westfalen);
  EXPECT_FLOAT_EQ(g.Latitude(), 51.6f);
  EXPECT_FLOAT_EQ(g.Longitude(), -7.5f);
  EXPECT_EQ(g.CalendarOptions(), kDefaultCalendarOptions);
  EXPECT_FALSE(g.Has(coReadOnly));
  EXPECT_TRUE(g.Has(coUseCurrentDate));
  EXPECT_EQ(g.DrawStyle(), cdsColorGrid);
  EXPECT_EQ(g.StartOfWeek(), dowSunday);
  EXPECT_FALSE(g.SaturdayAsSunday());
  EXPECT_EQ(g.BackgroundColors(), kDefaultBackgroundColors);
  EXPECT_EQ(g.TextColors().Today, clBlue);
  EXPECT_EQ(DateText(g.Seasons().spring), "2025-03-20");
  EXPECT_EQ(g.Info().dayOfYear, 105);
  EXPECT_EQ(g.Info().holidayCode, 0);
  EXPECT_EQ(CalendarGrid::ColumnWidth(kGridDefaultWidth), 26);
  EXPECT_EQ(CalendarGrid::RowHeight(kGridDefaultHeight), 15);
  EXPECT_TRUE(events.empty());
}

TEST_F(CalendarGridTest, LaysOutTheMonthFromTheFirstWeekday) {
  struct Case {
    TDayOfWeek start;
    int year, month;
    int firstOffset, firstColumn;  // day 1 is in row 1
    int lastColumn, lastRow;
  };
  const Case cases[] = {
      {dowMonday, 2025, 3, -4, 5, 0, 6},  // 1 March 2025 is a Saturday
      {dowMonday, 2025, 6, -5, 6, 0, 6},  // 1 June 2025 is a Sunday
      {dowSunday, 2025, 6, 1, 0, 1, 5},
      {dowSunday, 2025, 3, -5, 6, 1, 6},
      {dowMonday, 2021, 2, 1, 0, 6, 4},  // February 2021 fills four rows exactly
      {dowSaturday, 2025, 3, 1, 0, 2, 5},
  };
  for (const Case& c : cases) {
    CalendarGrid& g = Grid();
    g.SetStartOfWeek(c.start);
    g.SetDate(DayNumber(c.year, c.month, 1));
    EXPECT_EQ(g.FirstOffset(), c.firstOffset) << c.year << "-" << c.month << " start " << c.start;
    EXPECT_EQ(g.CellDay(c.firstColumn, 1), 1);
    EXPECT_EQ(g.CurrentColumn(), c.firstColumn);
    EXPECT_EQ(g.CurrentRow(), 1);
    g.SetDay(g.DaysInShownMonth());
    EXPECT_EQ(g.CurrentColumn(), c.lastColumn) << c.year << "-" << c.month << " start " << c.start;
    EXPECT_EQ(g.CurrentRow(), c.lastRow);
  }
}

TEST_F(CalendarGridTest, CellTextsAreWeekdayNamesAndTheDaysOfTheMonth) {
  CalendarGrid& g = Grid();
  g.SetStartOfWeek(dowMonday);
  Show(2025, 3, 15);
  EXPECT_EQ(g.CellText(0, 0), "Mo");
  EXPECT_EQ(g.CellText(6, 0), "So");
  for (int column = 0; column < 5; ++column) EXPECT_EQ(g.CellText(column, 1), "") << column;
  EXPECT_EQ(g.CellText(5, 1), "1");
  EXPECT_EQ(g.CellText(6, 1), "2");
  EXPECT_EQ(g.CellText(0, 6), "31");
  EXPECT_EQ(g.CellText(1, 6), "");
  EXPECT_EQ(g.CurrentColumn(), 5);  // 15 March is a Saturday
  EXPECT_EQ(g.CurrentRow(), 3);
  EXPECT_FALSE(g.CanSelect(4, 1));
  EXPECT_FALSE(g.CanSelect(0, 0));
  EXPECT_TRUE(g.CanSelect(0, 6));
}

TEST_F(CalendarGridTest, SetDateNotifiesChangeThenMonthThenYear) {
  CalendarGrid& g = Grid();
  g.SetDate(DayNumber(2025, 4, 15) + 0.9);  // the same day: nothing
  EXPECT_TRUE(events.empty());
  g.SetDate(DayNumber(2025, 4, 20) + 0.5);
  EXPECT_EQ(events, (Events{"before", "change 2025-04-20 spring 2025-03-20"}));
  EXPECT_EQ(g.Info().holidayName, "Ostersonntag");
  EXPECT_DOUBLE_EQ(TimeOfDay(g.Date()), 0.5);
  events.clear();
  g.SetDate(DayNumber(2024, 2, 29));
  EXPECT_EQ(events, (Events{"before", "change 2024-02-29 spring 2024-03-20", "month", "year 2024-03-20"}));
  // SetDate leaves the option, the setters take it away.
  EXPECT_TRUE(g.Has(coUseCurrentDate));
  g.SetDay(1);
  EXPECT_FALSE(g.Has(coUseCurrentDate));
  // A year with the same month number is no change of month.
  events.clear();
  g.SetDate(DayNumber(2023, 2, 1));
  EXPECT_EQ(events, (Events{"before", "change 2023-02-01 spring 2023-03-20", "year 2023-03-20"}));
}

TEST_F(CalendarGridTest, SettersIgnoreWhatDoesNotExist) {
  CalendarGrid& g = Grid();
  Show(2025, 6, 15);
  g.SetDay(31);  // June has 30 days
  EXPECT_EQ(events, Events{"before"});
  g.SetDay(0);
  g.SetMonth(-1);
  g.SetYear(0);
  EXPECT_EQ(events, Events{"before"});
  g.SetMonth(13);
  g.SetMonth(6);  // unchanged
  EXPECT_EQ(events, (Events{"before", "before", "before"}));
  EXPECT_EQ(DateText(g.Date()), "2025-06-15");

  Show(2025, 3, 31);
  g.SetMonth(2);  // 31 February: the date stays
  EXPECT_EQ(DateText(g.Date()), "2025-03-31");
  EXPECT_EQ(events, Events{"before"});
  events.clear();

  // A day chosen keeps the clock time of now.
  clock.now = LocalTime{2025, 4, 15, 18, 0, 0, 0};
  g.SetDay(7);
  EXPECT_EQ(events, (Events{"before", "change 2025-03-07 spring 2025-03-20"}));
  EXPECT_DOUBLE_EQ(TimeOfDay(g.Date()), 0.75);
  events.clear();
  g.SetYear(2026);
  EXPECT_EQ(events, (Events{"before", "change 2026-03-07 spring 2026-03-20", "month", "year 2026-03-20"}));
}

TEST_F(CalendarGridTest, MonthAndYearStepsClampTheDay) {
  struct Case {
    int year, month, day;
    void (CalendarGrid::*step)();
    const char* expected;
  };
  const Case cases[] = {
      {2025, 1, 31, &CalendarGrid::NextMonth, "2025-02-28"}, {2024, 1, 31, &CalendarGrid::NextMonth, "2024-02-29"},
      {2025, 3, 31, &CalendarGrid::NextMonth, "2025-04-30"}, {2025, 3, 31, &CalendarGrid::PrevMonth, "2025-02-28"},
      {2025, 12, 15, &CalendarGrid::NextMonth, "2026-01-15"}, {2025, 1, 15, &CalendarGrid::PrevMonth, "2024-12-15"},
      {2024, 2, 29, &CalendarGrid::NextYear, "2025-02-28"},  {2024, 2, 29, &CalendarGrid::PrevYear, "2023-02-28"},
      {2025, 2, 28, &CalendarGrid::PrevYear, "2024-02-28"},
  };
  for (const Case& c : cases) {
    Show(c.year, c.month, c.day);
    (Grid().*c.step)();
    EXPECT_EQ(DateText(Grid().Date()), c.expected) << c.year << "-" << c.month << "-" << c.day;
  }
  // 29 February first becomes the 28th, then the year moves.
  Show(2024, 2, 29);
  Grid().NextYear();
  EXPECT_EQ(events, (Events{"before", "change 2024-02-28 spring 2024-03-20", "before",
                            "change 2025-02-28 spring 2025-03-20", "month", "year 2025-03-20"}));
}

TEST_F(CalendarGridTest, StepsBeyond3000AreRefusedWithTheDefaultSound) {
  CalendarGrid& g = Grid();
  Show(3000, 12, 31);
  EXPECT_EQ(DateText(g.Seasons().spring), "3000-03-20");
  const DateTime before = g.Date();
  g.NextYear();
  g.NextMonth();
  EXPECT_TRUE(g.KeyDown(GridKey::Right));  // the last day of the year
  g.SetYear(3001);
  g.SetDate(DayNumber(3001, 1, 1));
  EXPECT_EQ(fake.LogOf("Beep"), (std::vector<std::string>(5, "Beep")));
  EXPECT_EQ(g.Date(), before);
  EXPECT_EQ(g.Month(), 12);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(DateText(g.Seasons().spring), "3000-03-20");
  // Down in the last row is refused as a whole too: the day stays where it was.
  g.SetStartOfWeek(dowTuesday);
  Show(3000, 12, 30);
  ASSERT_EQ(g.CurrentRow(), 6);
  g.KeyDown(GridKey::Down);
  EXPECT_EQ(DateText(g.Date()), "3000-12-30");
  EXPECT_TRUE(events.empty());
  // Inside the range the steps go on.
  g.PrevYear();
  EXPECT_EQ(DateText(g.Date()), "2999-12-30");
}

TEST_F(CalendarGridTest, BeforeTheYear1TheStepsStop) {
  CalendarGrid& g = Grid();
  Show(1, 1, 1);
  g.PrevMonth();
  g.KeyDown(GridKey::Left);
  g.PrevYear();
  EXPECT_EQ(DateText(g.Date()), "0001-01-01");
  EXPECT_EQ(fake.LogOf("Beep").size(), 3u);
  EXPECT_TRUE(events.empty());
}

TEST_F(CalendarGridTest, TheStateBringsItsHolidaysAndItsPlace) {
  CalendarGrid& g = Grid();
  Show(2025, 11, 19);
  EXPECT_EQ(g.Info().holidayCode, 0);
  g.SetGermanState(gsSachsen);
  EXPECT_EQ(events, (Events{"before", "change 2025-11-19 spring 2025-03-20"}));
  EXPECT_EQ(g.Info().holidayName, "Buß- und Bettag");
  EXPECT_FLOAT_EQ(g.Latitude(), 51.0f);
  EXPECT_FLOAT_EQ(g.Longitude(), -14.0f);
  events.clear();
  g.SetGermanState(gsSachsen);
  EXPECT_TRUE(events.empty());
  for (const int state : {static_cast<int>(gsNone), -1, 42}) {
    g.SetGermanState(state);
    EXPECT_FLOAT_EQ(g.Latitude(), -1.0f) << state;
    EXPECT_FLOAT_EQ(g.Longitude(), -1.0f) << state;
    EXPECT_EQ(g.Info().holidayCode, 0) << state;
  }
  // The sun's times follow the place.
  const DateTime noonWithoutState = g.Info().sunTransit;
  g.SetLongitude(-14.0f);
  EXPECT_NEAR((noonWithoutState - g.Info().sunTransit) * 1440.0, 13.0 * 4, 1.0);
}

TEST_F(CalendarGridTest, OptionsSwitchTheComputationsAndTheCurrentDate) {
  CalendarGrid& g = Grid();
  Show(2024, 12, 25);
  g.SetDay(26);  // takes coUseCurrentDate away
  ASSERT_FALSE(g.Has(coUseCurrentDate));
  ASSERT_EQ(g.Info().holidayCode, 8);
  g.SetCalendarOptions(g.CalendarOptions() & ~(1u << coCalcHolidays));
  EXPECT_EQ(g.Info().holidayName, "");
  EXPECT_EQ(g.PaintCell(g.CurrentColumn(), g.CurrentRow()).bold, false);
  // Switched on again, the current date is today, with the season dates of its year.
  g.SetCalendarOptions(kDefaultCalendarOptions);
  EXPECT_EQ(DateText(g.Date()), "2025-04-15");
  EXPECT_EQ(DateText(g.Seasons().spring), "2025-03-20");
  EXPECT_EQ(g.Info().dayOfYear, 105);
}

TEST_F(CalendarGridTest, RecalculatesWhileUpdatingAndNotifiesAfterwards) {
  CalendarGrid& g = Grid();
  std::vector<bool> updating;
  g.OnRepaint = [&] { updating.push_back(g.Updating()); };
  g.OnChange = [&] { updating.push_back(g.Updating()); };
  g.SetDay(16);
  EXPECT_EQ(updating, (std::vector<bool>{true, false}));
  EXPECT_FALSE(g.Updating());
}

// The painting of one cell of April 2025 (today is Tuesday the 15th, Easter Sunday the 20th).
class CalendarGridPaintTest : public CalendarGridTest {
 protected:
  CellPaint Cell(int day) {
    for (int row = 1; row < kGridRows; ++row)
      for (int column = 0; column < kGridColumns; ++column)
        if (Grid().CellDay(column, row) == day) return Grid().PaintCell(column, row);
    ADD_FAILURE() << "no cell for " << day;
    return {};
  }
};

TEST_F(CalendarGridPaintTest, ColourGridWeekendsTodayHolidaysAndTheFrameOfTheSelection) {
  CalendarGrid& g = Grid();
  g.SetDate(DayNumber(2025, 4, 17) + 0.5);
  struct Case {
    int day;
    Color text, background;
    bool bold, frame;
  };
  const Case cases[] = {
      {14, clWindowText, clWindow, false, false},  // Monday
      {13, clMaroon, clWindow, false, false},      // Sunday
      {19, clWindowText, clWindow, false, false},  // Saturday, not a Sunday here
      {15, clBlue, clWindow, true, false},         // today
      {17, clWindowText, clWindow, false, true},   // selected, shown by a frame
      {18, clRed, clWindow, true, false},          // Karfreitag
      {20, clRed, clWindow, true, false},          // Ostersonntag: the holiday wins over the Sunday
      {16, clWindowText, clWindow, false, false},
  };
  for (const Case& c : cases) {
    const CellPaint paint = Cell(c.day);
    EXPECT_EQ(paint.text, std::to_string(c.day));
    EXPECT_EQ(paint.textColor, c.text) << c.day;
    EXPECT_EQ(paint.background, c.background) << c.day;
    EXPECT_EQ(paint.bold, c.bold) << c.day;
    EXPECT_EQ(paint.selectionFrame, c.frame) << c.day;
    EXPECT_TRUE(paint.fill) << c.day;
    EXPECT_FALSE(paint.button) << c.day;
  }
  EXPECT_EQ(g.PaintedCode(20), 10);
  EXPECT_EQ(g.PaintedCode(19), 0);

  // The header row: push buttons, the Sunday column in the weekend's text colour.
  const CellPaint sunday = g.PaintCell(0, 0);
  EXPECT_EQ(sunday, (CellPaint{"So", clMaroon, clBtnFace, true, false, true, false, false, false}));
  EXPECT_EQ(g.PaintCell(6, 0), (CellPaint{"Sa", clBtnText, clBtnFace, true, false, true, false, false, false}));
  g.SetSaturdayAsSunday(true);
  EXPECT_EQ(g.PaintCell(6, 0).textColor, clMaroon);
  EXPECT_EQ(Cell(19).textColor, clMaroon);
  // An empty cell is filled in the standard colours.
  EXPECT_EQ(g.PaintCell(0, 1), (CellPaint{"", clWindowText, clWindow, false, true, false, false, false, false}));
}

TEST_F(CalendarGridPaintTest, WithoutTheFrameTheSelectionTakesItsColoursAndKeepsOnlyBold) {
  CalendarGrid& g = Grid();
  g.SetCalendarOptions(g.CalendarOptions() & ~(1u << coFrameSelection));
  g.SetDate(DayNumber(2025, 4, 20));
  EXPECT_EQ(Cell(20), (CellPaint{"20", clHighlightText, clHighlight, true, true, false, false, false, false}));
  g.SetDate(DayNumber(2025, 4, 15));
  EXPECT_EQ(Cell(15), (CellPaint{"15", clHighlightText, clHighlight, true, true, false, false, false, false}));
  // The window's light background for today.
  TCalendarColors background = kDefaultBackgroundColors;
  background.Today = clInfoBk;
  g.SetBackgroundColors(background);
  g.SetDay(16);
  EXPECT_EQ(Cell(15).background, clInfoBk);
}

TEST_F(CalendarGridPaintTest, MarksOnlyWithShowMarksAndUntilTheMonthChanges) {
  CalendarGrid& g = Grid();
  g.SetMarked(20, true);
  g.SetMarked(22, true);
  EXPECT_EQ(Cell(20).background, clAqua);  // the mark comes after the holiday
  EXPECT_EQ(Cell(20).textColor, clWindowText);
  EXPECT_TRUE(Cell(20).bold);
  g.SetCalendarOptions(g.CalendarOptions() & ~(1u << coShowMarks));
  EXPECT_EQ(Cell(22).background, clWindow);
  g.SetCalendarOptions(kDefaultCalendarOptions);
  g.NextMonth();
  EXPECT_FALSE(g.Marked(22));
  EXPECT_EQ(g.PaintedCode(20), 0);  // cleared with the month
  // Without coAutoDeleteMarks the marks stay.
  g.SetCalendarOptions(kDefaultCalendarOptions & ~(1u << coAutoDeleteMarks));
  g.SetMarked(3, true);
  g.PrevMonth();
  EXPECT_TRUE(g.Marked(3));
}

TEST_F(CalendarGridPaintTest, MonoGridIsTheBaseGridsPlainPainting) {
  CalendarGrid& g = Grid();
  g.SetDrawStyle(cdsMonoGrid);
  g.SetDate(DayNumber(2025, 4, 17));
  const CellPaint plain{"", clWindowText, clWindow, false, true, false, false, false, false};
  for (const int day : {13, 15, 18, 20}) {
    CellPaint expected = plain;
    expected.text = std::to_string(day);
    EXPECT_EQ(Cell(day), expected) << day;
  }
  EXPECT_EQ(Cell(17), (CellPaint{"17", clHighlightText, clHighlight, false, true, false, false, false, false}));
  EXPECT_EQ(g.PaintCell(0, 0), (CellPaint{"So", clBtnText, clBtnFace, false, true, false, false, false, false}));
}

TEST_F(CalendarGridPaintTest, ButtonsForEveryCellWithTheSelectionPushed) {
  CalendarGrid& g = Grid();
  g.SetDrawStyle(cdsButtons);
  g.SetDate(DayNumber(2025, 4, 17));
  EXPECT_EQ(Cell(17), (CellPaint{"17", clBtnText, clBtnFace, false, false, true, true, true, false}));
  EXPECT_EQ(Cell(20), (CellPaint{"20", clMaroon, clBtnFace, true, false, true, false, false, false}));
  EXPECT_EQ(Cell(15), (CellPaint{"15", clBtnText, clBtnFace, true, false, true, false, false, false}));
  EXPECT_EQ(Cell(18), (CellPaint{"18", clBtnText, clBtnFace, true, false, true, false, false, false}));
  EXPECT_EQ(g.PaintCell(1, 1), (CellPaint{"", clBtnText, clBtnFace, false, false, true, false, false, false}));
}

TEST_F(CalendarGridTest, ArrowKeysCrossRowsAndMonths) {
  CalendarGrid& g = Grid();
  g.SetStartOfWeek(dowMonday);
  struct Case {
    int year, month, day;
    GridKey key;
    const char* expected;
  };
  const Case cases[] = {
      {2025, 3, 1, GridKey::Left, "2025-02-28"},   // day 1: the previous month's last day
      {2025, 3, 10, GridKey::Left, "2025-03-09"},  // column 0: the end of the row above
      {2025, 3, 12, GridKey::Left, "2025-03-11"},  // the base grid
      {2025, 3, 31, GridKey::Right, "2025-04-01"},
      {2025, 3, 9, GridKey::Right, "2025-03-10"},  // column 6: the start of the next row
      {2025, 3, 2, GridKey::Up, "2025-02-28"},     // row 1
      {2025, 3, 12, GridKey::Up, "2025-03-05"},
      {2025, 3, 31, GridKey::Down, "2025-04-01"},  // row 6
      {2025, 3, 24, GridKey::Down, "2025-03-31"},  // into the last row
      {2025, 3, 26, GridKey::Down, "2025-03-26"},  // below is an empty cell
      {2025, 3, 6, GridKey::Up, "2025-03-06"},     // above is an empty cell: vetoed
      {2025, 3, 27, GridKey::Down, "2025-03-27"},
      {2025, 3, 31, GridKey::Left, "2025-03-30"},
  };
  for (const Case& c : cases) {
    Show(c.year, c.month, c.day);
    EXPECT_TRUE(g.KeyDown(c.key));
    EXPECT_EQ(DateText(g.Date()), c.expected) << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST_F(CalendarGridTest, PagingKeysStepMonthsAndYearsHomeAndEndTheEndsOfTheMonth) {
  CalendarGrid& g = Grid();
  struct Case {
    int year, month, day;
    GridKey key;
    const char* expected;
  };
  const Case cases[] = {
      {2025, 3, 31, GridKey::PageDown, "2025-04-30"},  // clamped as the month step is
      {2025, 1, 15, GridKey::PageUp, "2024-12-15"},
      {2024, 2, 29, GridKey::CtrlPageDown, "2025-02-28"},
      {2025, 1, 15, GridKey::CtrlPageUp, "2024-01-15"},
      {2025, 2, 14, GridKey::Home, "2025-02-01"},
      {2024, 2, 14, GridKey::End, "2024-02-29"},
  };
  for (const Case& c : cases) {
    Show(c.year, c.month, c.day);
    EXPECT_TRUE(g.KeyDown(c.key));
    EXPECT_EQ(DateText(g.Date()), c.expected) << c.year << "-" << c.month << "-" << c.day;
  }

  // The year step notifies as the spin button's does, and is refused beyond 3000.
  Show(2025, 12, 31);
  g.KeyDown(GridKey::CtrlPageDown);
  EXPECT_EQ(events, (Events{"before", "change 2026-12-31 spring 2026-03-20", "month", "year 2026-03-20"}));
  Show(3000, 12, 31);
  fake.log.clear();
  EXPECT_TRUE(g.KeyDown(GridKey::PageDown));
  EXPECT_TRUE(g.KeyDown(GridKey::CtrlPageDown));
  EXPECT_EQ(fake.log, (std::vector<std::string>{"Beep", "Beep"}));
  EXPECT_EQ(DateText(g.Date()), "3000-12-31");
  EXPECT_TRUE(events.empty());
}

TEST_F(CalendarGridTest, RightOnNewYearsEveFirstSelectsTheFirstThenMovesToJanuary) {
  CalendarGrid& g = Grid();
  Show(2025, 12, 31);
  g.KeyDown(GridKey::Right);
  EXPECT_EQ(events, (Events{"before", "change 2025-12-01 spring 2025-03-20", "before",
                            "change 2026-01-01 spring 2026-03-20", "month", "year 2026-03-20"}));
  EXPECT_EQ(g.Info().season, 0);
  EXPECT_EQ(g.Info().holidayName, "Neujahr");
}

TEST_F(CalendarGridTest, ClicksSelectDaysUnlessReadOnly) {
  CalendarGrid& g = Grid();
  g.SetStartOfWeek(dowMonday);
  Show(2025, 3, 15);
  g.MouseDown(0, 6);
  EXPECT_EQ(DateText(g.Date()), "2025-03-31");
  g.MouseDown(3, 1);  // empty: the grid stays, the day too
  EXPECT_EQ(DateText(g.Date()), "2025-03-31");
  g.SetCalendarOptions(g.CalendarOptions() | (1u << coReadOnly));
  g.MouseDown(5, 1);
  g.KeyDown(GridKey::Up);
  EXPECT_EQ(DateText(g.Date()), "2025-03-31");
  EXPECT_EQ(g.CurrentColumn(), 0);
  EXPECT_EQ(g.CurrentRow(), 6);
}

}  // namespace
}  // namespace fenu::calendar
